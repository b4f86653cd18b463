#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <memory>

namespace catalogue
{
class Connection;
}

namespace merrow
{

// One game line of the import list; id is the game's id in the export file.
struct ListEntry {
    int id = 0;
    QString line;
};

// An export file brought in for import: a checked working copy, opened read-only.
class ImportFile
{
public:
    // Copies source to workingCopy (unless they are the same file) and checks the copy
    // before anything is read from it. Null with *error set when any of that fails;
    // *unfit then tells whether the file was there but is no usable database.
    static std::unique_ptr<ImportFile> open(const QString &source, const QString &workingCopy,
                                            QString *error, bool *unfit = nullptr);
    ~ImportFile();

    QSqlDatabase db() const;
    QString path() const;

    // Every game in the file's own order.
    QList<ListEntry> entries(QString *error = nullptr) const;
    QList<int> ids(QString *error = nullptr) const;

private:
    explicit ImportFile(std::unique_ptr<catalogue::Connection> connection);
    std::unique_ptr<catalogue::Connection> m_connection;
};

} // namespace merrow
