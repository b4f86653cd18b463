#pragma once

#include "result.h"

#include <QString>

// Where the program's files are. The state file lies beside the catalogue; work files go
// into private folders made in tempDir (see WorkFolder), never under a fixed name; the
// files handed to started programs go to the RuntimeFolder; the files shipped
// with the programs (the "What's new" notes, the sample catalogue) are read from sharedDir.
struct Paths {
    QString programDir;
    QString catalogue;
    QString stateFile;
    QString tempDir;
    QString sharedDir = {}; // defaulted, so brace initialisers may leave it out

    QString catalogueDir() const;
    // Goes on with another catalogue: the state file follows it.
    void useCatalogue(const QString &path);
    // The folder of the shipped files; the program's folder when sharedDir is not set.
    QString sharedFolder() const;
};

// True when both paths name the same existing file, through symbolic and hard links.
bool sameFile(const QString &a, const QString &b);

struct LocationRequest {
    QString cataloguePath;   // --catalogue, empty when not given
    QString programDir;      // folder of the running executable
    QString dataDir;         // per-user data folder
    QString sampleCatalogue; // installed sample catalogue that seeds the data folder
    QString tempDir;
    QString sharedDir; // files shipped with the programs
};

// The first that applies: the --catalogue path; commodore.mdb beside the executable;
// commodore.mdb in the per-user data folder, seeded there with the sample files on first
// run (see seedDataFolder). A failed seeding names the data folder; the paths hold all the
// same.
struct [[nodiscard]] ResolvedPaths {
    Paths paths;
    Outcome seeding;
};
ResolvedPaths resolvePaths(const LocationRequest &request);

// The folder for temporary files: TMPDIR when it names an existing folder by an absolute
// path, else the system's default; never the current folder.
QString temporaryFolder();

// The location request of the running program. Installed, the shared files are in
// <bin>/../share/vantrel, so a moved installation still finds them; in a build folder they
// lie beside the executable. A relative XDG_DATA_HOME is ignored, as the XDG base directory
// rules say.
LocationRequest defaultLocationRequest(const QString &cataloguePath);

constexpr const char kCatalogueName[] = "commodore.mdb";
// The installed sample catalogue. Its own name, so that an installation whose shared folder
// is also the per-user data folder (prefix ~/.local) still seeds a catalogue of the user's.
constexpr const char kSampleCatalogueName[] = "sample.mdb";
constexpr const char kStateFileName[] = "Vantrel.ini";
