#pragma once

#include <QString>

// Where the program's files are. The state file lies beside the catalogue; temporary
// outputs (emulator configurations, import working copies) go to tempDir.
struct Paths {
    QString programDir;
    QString catalogue;
    QString stateFile;
    QString tempDir;

    QString catalogueDir() const;
    // A file in the temporary folder. Work files go into a private folder made in it
    // (see WorkFolder), never under a fixed name here.
    QString temp(const QString &name) const;
};

// True when both paths name the same existing file, through symbolic and hard links.
bool sameFile(const QString &a, const QString &b);

struct LocationRequest {
    QString cataloguePath;   // --catalogue, empty when not given
    QString programDir;      // folder of the running executable
    QString dataDir;         // per-user data folder
    QString sampleCatalogue; // installed sample catalogue that seeds the data folder
    QString tempDir;
};

// The first that applies: the --catalogue path; commodore.mdb beside the executable;
// commodore.mdb in the per-user data folder, copied there from the sample catalogue on
// first run. *error is set when seeding fails; the paths are returned all the same.
Paths resolvePaths(const LocationRequest &request, QString *error = nullptr);

// The location request of the running program.
LocationRequest defaultLocationRequest(const QString &cataloguePath);

constexpr const char kCatalogueName[] = "commodore.mdb";
constexpr const char kStateFileName[] = "Vantrel.ini";
