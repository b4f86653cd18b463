#include "configrecord.h"

#include "database.h"
#include "testcatalogue.h"

#include <QSet>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace
{

configrecord::Values allPaths(const QString &prefix)
{
    configrecord::Values v;
    for (const configrecord::Field &f : configrecord::fields())
        v.insert(QLatin1String(f.column), prefix + QLatin1String(f.column));
    return v;
}

int configRows(TestCatalogue &c)
{
    const auto r = catalogue::fetchOne(c.db(), QStringLiteral("select count(*) from tabella2"));
    return r ? r->value(0).toInt() : -1;
}

} // namespace

TEST(ConfigRecord, FieldTableMatchesSchemaAndModeWords)
{
    QSet<QString> columns, modes;
    for (const configrecord::Field &f : configrecord::fields()) {
        EXPECT_TRUE(catalogue::configColumns().contains(QLatin1String(f.column))) << f.column;
        columns << QLatin1String(f.column);
        modes << QLatin1String(f.mode);
        // Directory modes are the "dir..." words and only they hold directories.
        EXPECT_EQ(f.directory, QByteArray(f.mode).startsWith("dir")) << f.mode;
    }
    EXPECT_EQ(columns.size(), 14);
    EXPECT_EQ(modes.size(), 14);
    EXPECT_FALSE(columns.contains(QStringLiteral("dbver")));
}

TEST(ConfigRecord, EmptyTableLoadsNothingAndStoreInsertsOneRow)
{
    TestCatalogue c;
    QString error = QStringLiteral("stale");
    EXPECT_TRUE(configrecord::load(c.db(), &error).isEmpty());
    EXPECT_TRUE(error.isEmpty());

    ASSERT_TRUE(configrecord::store(c.db(), allPaths(QStringLiteral("/x/")), &error))
        << error.toStdString();
    EXPECT_EQ(configRows(c), 1);
    EXPECT_EQ(configrecord::load(c.db(), &error), allPaths(QStringLiteral("/x/")));

    // A second store updates that row; it never adds another.
    ASSERT_TRUE(configrecord::store(c.db(), allPaths(QStringLiteral("/y/")), &error));
    EXPECT_EQ(configRows(c), 1);
    EXPECT_EQ(c.value(0, QStringLiteral("player2")).toString(), QStringLiteral("/y/player2"));
}

TEST(ConfigRecord, WritesOnlyTheFirstRowAndKeepsItsVersion)
{
    TestCatalogue c;
    c.setConfig({{QStringLiteral("dbver"), QStringLiteral("2.1")},
                 {QStringLiteral("vice"), QStringLiteral("/old/vice")}});
    catalogue::run(c.db(), QStringLiteral("insert into tabella2 (vice) values ('/second/vice')"));

    QString error;
    EXPECT_EQ(configrecord::load(c.db(), &error).value(QStringLiteral("vice")),
              QStringLiteral("/old/vice"));
    ASSERT_TRUE(configrecord::store(c.db(), {{QStringLiteral("vice"), QStringLiteral("/new/vice")}},
                                    &error));
    QSqlQuery q =
        catalogue::run(c.db(), QStringLiteral("select vice, dbver from tabella2 order by id"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("/new/vice"));
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("2.1"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("/second/vice"));
}

TEST(ConfigRecord, EmptyTextBecomesNullAndQuotesAreStoredAsTyped)
{
    TestCatalogue c;
    configrecord::Values v = allPaths(QStringLiteral("C:\\it's \"here\"\\[x]%\\"));
    v[QStringLiteral("uae")] = QString();
    v[QStringLiteral("fellow")] = QStringLiteral("");
    QString error;
    ASSERT_TRUE(configrecord::store(c.db(), v, &error)) << error.toStdString();
    EXPECT_TRUE(c.value(0, QStringLiteral("uae")).isNull());
    EXPECT_TRUE(c.value(0, QStringLiteral("fellow")).isNull());
    EXPECT_EQ(c.value(0, QStringLiteral("ccs64")).toString(),
              QStringLiteral("C:\\it's \"here\"\\[x]%\\ccs64"));
    // Null comes back as empty text.
    EXPECT_EQ(configrecord::load(c.db(), &error).value(QStringLiteral("uae")), QString(""));
}

TEST(ConfigRecord, RefusesOtherColumnsAndWritesNothing)
{
    TestCatalogue c;
    c.setConfig({{QStringLiteral("vice"), QStringLiteral("/keep")},
                 {QStringLiteral("dbver"), QStringLiteral("1.0")}});
    QString error;
    EXPECT_FALSE(configrecord::store(c.db(),
                                     {{QStringLiteral("vice"), QStringLiteral("/changed")},
                                      {QStringLiteral("dbver"), QStringLiteral("Private")}},
                                     &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(configrecord::store(
        c.db(), {{QStringLiteral("vice = 'x', dbver"), QStringLiteral("y")}}, &error));
    EXPECT_FALSE(configrecord::store(c.db(), {}, &error));
    EXPECT_EQ(c.value(0, QStringLiteral("vice")).toString(), QStringLiteral("/keep"));
    EXPECT_EQ(c.value(0, QStringLiteral("dbver")).toString(), QStringLiteral("1.0"));
}

TEST(ConfigRecord, ClosedOrBusyCatalogueIsReported)
{
    QString error;
    EXPECT_FALSE(configrecord::store(QSqlDatabase(), allPaths(QStringLiteral("/")), &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_TRUE(configrecord::load(QSqlDatabase(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());

    // Another connection holds the write lock: the store fails and changes nothing.
    TestCatalogue c;
    c.setConfig({{QStringLiteral("vice"), QStringLiteral("/keep")}});
    QString why;
    auto other = catalogue::Connection::open(c.path(), &why);
    ASSERT_TRUE(other) << why.toStdString();
    catalogue::WriteTransaction holder(c.db());
    ASSERT_TRUE(holder.isOpen());
    catalogue::run(other->db(), QStringLiteral("pragma busy_timeout = 50"));
    EXPECT_FALSE(configrecord::store(other->db(), allPaths(QStringLiteral("/z/")), &error));
    EXPECT_FALSE(error.isEmpty());
}
