#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

#include <memory>

namespace catalogue
{
class Connection;
}

// An export file made for a test: a fresh catalogue file with the given games.
class ExportFileMaker
{
public:
    explicit ExportFileMaker(const QString &path);
    ~ExportFileMaker();
    int add(const QVariantMap &fields);
    QSqlDatabase db() const;
    void close();

private:
    std::unique_ptr<catalogue::Connection> m_connection;
};

// PRAGMA integrity_check of a database file, "ok" when sound.
QString integrityOf(const QString &path);

// Every row of tabella1 as text, ordered by id: to compare a catalogue before and after.
QStringList dumpGames(const QSqlDatabase &db);

// Writes raw bytes to a file.
void writeBytes(const QString &path, const QByteArray &bytes);
