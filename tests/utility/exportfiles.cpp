#include "exportfiles.h"

#include "database.h"
#include "testcatalogue.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

void addGames(TestCatalogue &file, int count, const QString &note)
{
    catalogue::WriteTransaction tx(file.db());
    for (int i = 0; i < count; ++i)
        file.addGame({{"titolo", gameTitle(i)}, {"formato", "C64"}, {"note", note}});
    EXPECT_TRUE(tx.commit());
}

QString gameTitle(int i)
{
    return QStringLiteral("Game %1").arg(i, 4, 10, QChar('0'));
}

QString integrityOf(const QString &path)
{
    QString why;
    auto c = catalogue::Connection::open(path, &why, catalogue::Connection::Mode::ReadOnly);
    if (!c)
        return why;
    const auto r = catalogue::fetchOne(c->db(), QStringLiteral("PRAGMA integrity_check"), {}, &why);
    return r ? r->value(0).toString() : why;
}

QStringList dumpGames(const QSqlDatabase &db)
{
    QStringList rows;
    QSqlQuery q = catalogue::run(db, QStringLiteral("select * from tabella1 order by id"));
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            cells << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
        rows << cells.join('|');
    }
    return rows;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
