#include "exportfiles.h"

#include "database.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

ExportFileMaker::ExportFileMaker(const QString &path)
{
    const QString error = catalogue::createCatalogue(path);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    QString why;
    m_connection = catalogue::Connection::open(path, &why);
    EXPECT_TRUE(m_connection) << why.toStdString();
}

ExportFileMaker::~ExportFileMaker() = default;

QSqlDatabase ExportFileMaker::db() const
{
    return m_connection->db();
}

int ExportFileMaker::add(const QVariantMap &fields)
{
    QStringList names, marks;
    for (auto it = fields.begin(); it != fields.end(); ++it)
        names << it.key(), marks << QStringLiteral("?");
    QString error;
    const QSqlQuery q = catalogue::run(db(),
                                       QStringLiteral("insert into tabella1 (%1) values (%2)")
                                           .arg(names.join(','), marks.join(',')),
                                       fields.values(), &error);
    EXPECT_TRUE(q.isActive()) << error.toStdString();
    return q.lastInsertId().toInt();
}

void ExportFileMaker::addMany(int count, const QString &note)
{
    catalogue::WriteTransaction tx(db());
    for (int i = 0; i < count; ++i)
        add({{"titolo", gameTitle(i)}, {"formato", "C64"}, {"note", note}});
    tx.commit();
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
