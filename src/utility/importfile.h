#pragma once

#include "game.h"
#include "progress.h"
#include "result.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <memory>

class WorkFolder;

namespace catalogue
{
class Connection;
}

namespace merrow
{

// One game line of the import list; id is the game's id in the export file.
struct ListEntry {
    GameId id = 0;
    QString line;
    bool operator==(const ListEntry &) const = default;
};

// An export file brought in for import: a checked working copy in a private folder of its
// own, opened as a foreign file (see catalogue::Connection::Mode::Foreign). A legacy Jet
// export file is read into that copy by the reader program; from there on it is treated
// exactly as ours. The folder goes with the object.
class ImportFile
{
public:
    using Opened = Result<std::unique_ptr<ImportFile>>;

    // Checks source's header and the room for a copy, copies it with the -wal or -journal
    // lying beside it (or reads a Jet file, following progress) into a private folder made
    // under tempDir, folds those in and checks the copy before anything is read from it. A
    // failure names source, never the copy; *unfit then tells whether the file was there but
    // is no usable database.
    static Opened open(const QString &source, const QString &tempDir, bool *unfit = nullptr,
                       Progress &progress = Progress::none());
    // The part of open() that may run on a worker thread: the copy is made and checked but
    // not opened; connect() opens it on the thread that reads it.
    static Opened prepare(const QString &source, const QString &tempDir, bool *unfit = nullptr,
                          Progress &progress = Progress::none());
    // Fails (naming the source) when the checked copy cannot be opened.
    Outcome connect();
    ~ImportFile();

    QSqlDatabase db() const;
    // The private copy: open it only as a foreign file.
    QString path() const { return m_copy; }

    // Every game in the file's own order.
    Result<QList<ListEntry>> entries() const;

private:
    ImportFile(std::unique_ptr<WorkFolder> folder, QString source, QString copy);
    std::unique_ptr<WorkFolder> m_folder;
    QString m_source;
    QString m_copy;
    std::unique_ptr<catalogue::Connection> m_connection;
};

} // namespace merrow
