#pragma once

#include "database.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

inline QString gameTitle(int i)
{
    return QStringLiteral("Game %1").arg(i, 4, 10, QChar('0'));
}

// "Game 0000", "Game 0001", ... (C64) added in one transaction: an export file's bulk.
inline void addGames(TestCatalogue &file, int count, const QString &note = {})
{
    catalogue::WriteTransaction tx(file.db());
    for (int i = 0; i < count; ++i)
        file.addGame({{"titolo", gameTitle(i)}, {"formato", "C64"}, {"note", note}});
    EXPECT_TRUE(tx.commit());
}

// PRAGMA integrity_check of a database file, "ok" when sound.
inline QString integrityOf(const QString &path)
{
    const auto c = catalogue::Connection::open(path, catalogue::Connection::Mode::ReadOnly);
    if (!c)
        return c.error();
    const auto r = catalogue::fetchOne((*c)->db(), "PRAGMA integrity_check");
    return r && r->has_value() ? (*r)->value(0).toString() : r.error();
}

// Every row of tabella1 as text, ordered by id: to compare a catalogue before and after.
inline QStringList dumpGames(const QSqlDatabase &db)
{
    QStringList rows;
    for (QSqlQuery q =
             catalogue::run(db, "select * from tabella1 order by id").valueOr(QSqlQuery());
         q.next();) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            cells << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
        rows << cells.join('|');
    }
    return rows;
}

// One column of a file's rows, by default the titles in order.
inline QStringList column(const QString &path,
                          const QString &sql = "select titolo from tabella1 order by titolo")
{
    const auto c = catalogue::Connection::open(path, catalogue::Connection::Mode::ReadOnly);
    QStringList out;
    QSqlQuery q = c ? catalogue::run((*c)->db(), sql).valueOr(QSqlQuery()) : QSqlQuery();
    while (q.next())
        out << q.value(0).toString();
    return out;
}
