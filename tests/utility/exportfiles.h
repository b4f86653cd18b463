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
    // "Game 0000", "Game 0001", ... (C64) in one transaction.
    void addMany(int count, const QString &note = {});
    QSqlDatabase db() const;

private:
    std::unique_ptr<catalogue::Connection> m_connection;
};

// PRAGMA integrity_check of a database file, "ok" when sound.
QString integrityOf(const QString &path);
// Every row of tabella1 as text, ordered by id: to compare a catalogue before and after.
QStringList dumpGames(const QSqlDatabase &db);
void writeBytes(const QString &path, const QByteArray &bytes);
QString gameTitle(int i);
