#pragma once

#include <QString>

#include <memory>

class QLockFile;
class QTemporaryDir;

// A run's own folder for its work files: made fresh under a base folder with a name no
// other run can guess, readable by the owner only (0700), and removed with everything in
// it when the object goes, on success and on failure alike. The folder holds a lock while
// its run lives; the folders of killed runs are swept by the next run (sweepLeftovers). A
// base that is no absolute path is refused: work files never land in the current folder.
class WorkFolder
{
public:
    explicit WorkFolder(const QString &base);
    ~WorkFolder();
    WorkFolder(const WorkFolder &) = delete;
    WorkFolder &operator=(const WorkFolder &) = delete;

    bool isValid() const;
    // Why the folder could not be made.
    QString error() const;
    QString path() const;
    QString filePath(const QString &name) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QLockFile> m_lock; // released before the folder goes
    QString m_base;
};

// A name beside destination for a file on its way there, unique to this run: two runs
// writing the same destination never share it.
QString partPath(const QString &destination);

// Removes what killed runs left in folder: the files and folders of this user whose whole
// name matches namePattern (a regular expression) and that are older than an hour. A
// folder goes only when no living run holds its lock; links are never followed.
void sweepLeftovers(const QString &folder, const QString &namePattern);

// Sweeps the part files (partPath) that killed runs left beside destination.
void sweepParts(const QString &destination);
