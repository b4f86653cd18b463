#pragma once

#include <QString>

#include <memory>

class QTemporaryDir;

// A run's own folder for its work files: made fresh under a base folder with a name no
// other run can guess, readable by the owner only (0700), and removed with everything in
// it when the object goes, on success and on failure alike. A folder left by a killed run
// is never looked at again.
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
    QString m_base;
};

// A name beside destination for a file on its way there, unique to this run: two runs
// writing the same destination never share it.
QString partPath(const QString &destination);
