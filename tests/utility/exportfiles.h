#pragma once

#include <QSqlDatabase>
#include <QString>

class TestCatalogue;

// "Game 0000", "Game 0001", ... (C64) added in one transaction: an export file's bulk.
void addGames(TestCatalogue &file, int count, const QString &note = {});
QString gameTitle(int i);
// PRAGMA integrity_check of a database file, "ok" when sound.
QString integrityOf(const QString &path);
// Every row of tabella1 as text, ordered by id: to compare a catalogue before and after.
QStringList dumpGames(const QSqlDatabase &db);
void writeBytes(const QString &path, const QByteArray &bytes);
