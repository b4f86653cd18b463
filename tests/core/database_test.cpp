#include "database.h"
#include "opentest.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

TEST(OpenTest, AcceptsAGoodCatalogueAndRefusesBadFilesWithTheOneMessage)
{
    QTemporaryDir dir;
    TestCatalogue good;
    FakeDialogs accepted;
    EXPECT_TRUE(checkCatalogueOrWarn(accepted, good.path()));
    EXPECT_TRUE(accepted.shown.isEmpty());
    const QString missing = dir.filePath("missing.mdb");
    const QString text = dir.filePath("text.mdb");
    const QString jet = dir.filePath("jet.mdb");
    const QString truncated = dir.filePath("truncated.mdb");
    const QString empty = dir.filePath("empty.mdb");
    const QString noTables = dir.filePath("notables.mdb");
    writeFile(text, "this is not a database at all, just some words\n");
    writeFile(jet, QByteArray(2048, '\0').replace(4, 15, "Standard Jet DB"));
    writeFile(empty, {});
    writeFile(truncated, readFile(good.path()).left(2000));
    {
        auto c =
            catalogue::Connection::open(noTables, nullptr, catalogue::Connection::Mode::Create);
        ASSERT_TRUE(c);
        QSqlQuery(c->db()).exec("create table other (x)");
    }
    QStringList bad{missing, text, jet, truncated, empty, noTables};
#ifdef Q_OS_UNIX
    bad << dir.filePath("fifo.mdb"); // opened, it would block the program for good
    ASSERT_EQ(::mkfifo(QFile::encodeName(bad.last()).constData(), 0600), 0);
#endif
    for (const QString &path : bad) {
        FakeDialogs dialogs;
        EXPECT_FALSE(checkCatalogueOrWarn(dialogs, path)) << path.toStdString();
        ASSERT_EQ(dialogs.messages(), QStringList{"Database Open Error"}) << path.toStdString();
        EXPECT_EQ(dialogs.shown.first().title, QString());
        EXPECT_EQ(dialogs.shown.first().icon, Dialogs::Icon::None);
    }
    EXPECT_FALSE(QFile::exists(missing)) << "the open test must not create a catalogue";
    EXPECT_TRUE(catalogue::isJetFile(jet));
    EXPECT_FALSE(catalogue::isJetFile(good.path()));
    // A good catalogue that another program holds exclusively.
    auto other = catalogue::Connection::open(good.path(), nullptr);
    ASSERT_TRUE(other);
    QSqlQuery lock(other->db());
    ASSERT_TRUE(lock.exec("PRAGMA locking_mode = EXCLUSIVE"));
    ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
    FakeDialogs locked;
    EXPECT_FALSE(checkCatalogueOrWarn(locked, good.path()));
    EXPECT_EQ(locked.messages(), QStringList{"Database Open Error"});
    lock.exec("ROLLBACK");
}

TEST(Connection, ForeignCheckNamesWhatIsWrongAndNewerFormatsAndMissingFilesAreRefused)
{
    TestCatalogue cat;
    EXPECT_EQ(catalogue::checkForeignCatalogue(cat.path()), QString());
    QSqlQuery(cat.db()).exec("alter table tabella1 drop column note");
    EXPECT_TRUE(catalogue::checkForeignCatalogue(cat.path()).contains("note"));
    QSqlQuery(cat.db()).exec("PRAGMA user_version = 99");
    QString error;
    EXPECT_FALSE(catalogue::Connection::open(cat.path(), &error));
    EXPECT_TRUE(error.contains("newer version")) << error.toStdString();
    EXPECT_FALSE(catalogue::Connection::open(cat.dir() + "/nothing.mdb", &error));
    EXPECT_FALSE(QFile::exists(cat.dir() + "/nothing.mdb"));
}

// Several windows read the configuration record; all of them must see the same row.
TEST(ConfigRecord, FirstRowByIdNamedColumnsOnly)
{
    TestCatalogue cat;
    QString error = "stale";
    EXPECT_FALSE(catalogue::configRecord(cat.db(), {}, &error)) << "no row yet";
    EXPECT_TRUE(error.isEmpty());

    ASSERT_TRUE(
        catalogue::run(cat.db(), "insert into tabella2 (id, vice) values (7, 'late')", {}, &error)
            .isActive())
        << error.toStdString();
    ASSERT_TRUE(
        catalogue::run(cat.db(), "insert into tabella2 (id, vice, uae) values (3, 'first', '/uae')")
            .isActive());
    const auto all = catalogue::configRecord(cat.db(), {}, &error);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->value("vice").toString(), "first");
    EXPECT_EQ(all->count(), catalogue::configColumns().size() + 1);
    const auto two = catalogue::configRecord(cat.db(), {"uae", "VICE"}, &error);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->count(), 2);
    EXPECT_EQ(two->value(0).toString(), "/uae");
    EXPECT_EQ(two->value(1).toString(), "first");

    EXPECT_FALSE(catalogue::configRecord(cat.db(), {"vice from tabella1 --"}, &error));
    EXPECT_TRUE(error.contains("not a column")) << error.toStdString();
    EXPECT_FALSE(catalogue::configRecord(QSqlDatabase(), {"vice"}, &error));
    EXPECT_EQ(error, "The catalogue is not open.");
}

TEST(Connection, ForeignFilesAreOnlyReadAndTheirWorkIsBounded)
{
    TestCatalogue cat;
    QString why;
    auto c = catalogue::Connection::open(cat.path(), &why, catalogue::Connection::Mode::Foreign);
    ASSERT_TRUE(c) << why.toStdString();
    c->setStepLimit(50);
    EXPECT_FALSE(catalogue::run(c->db(),
                                "with recursive n(x) as (select 1 union all select x + 1 from n) "
                                "select count(*) from n",
                                {}, &why)
                     .isActive());
    EXPECT_TRUE(why.contains("time limit")) << why.toStdString();
    EXPECT_FALSE(
        catalogue::run(c->db(), "select zeroblob(?)", {catalogue::kForeignValueLimit + 1}, &why)
            .isActive());
    EXPECT_TRUE(why.contains("size limit")) << why.toStdString();
    EXPECT_FALSE(catalogue::run(c->db(), "delete from tabella1", {}, &why).isActive());
}

// A writer killed in the middle leaves its journal: reading rolls it back, creating nothing.
TEST(Connection, ReadOnlyOpenRollsBackAHotJournal)
{
    TestCatalogue cat;
    for (int i = 0; i < 300; ++i)
        cat.addGame({{"titolo", QString("Game %1").arg(i)}, {"note", QString(900, 'n')}});
    QTemporaryDir crashed;
    const QString copy = crashed.filePath("commodore.mdb");
    catalogue::run(cat.db(), "PRAGMA cache_size = 2");
    {
        catalogue::WriteTransaction killed(cat.db());
        catalogue::run(cat.db(), "update tabella1 set note = 'lost', titolo = 'lost'");
        ASSERT_TRUE(QFile::copy(cat.path(), copy));
        ASSERT_TRUE(QFile::copy(cat.path() + "-journal", copy + "-journal"));
    }
    QString why;
    auto c = catalogue::Connection::open(copy, &why, catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(c) << why.toStdString();
    const auto lost = catalogue::fetchOne(
        c->db(), "select count(*) from tabella1 where titolo = 'lost'", {}, &why);
    ASSERT_TRUE(lost) << why.toStdString();
    EXPECT_EQ(lost->value(0).toInt(), 0);
    EXPECT_EQ(QDir(crashed.path()).entryList(QDir::Files), QStringList{"commodore.mdb"});
}

// The header counts the pages; a file shorter than that lost its tail and is named so.
TEST(OpenTest, NamesACatalogueThatLostItsTail)
{
    TestCatalogue cat;
    catalogue::run(cat.db(), "with recursive n(i) as (select 1 union all select i + 1 from n "
                             "where i < 300) insert into tabella1 (titolo) "
                             "select printf('%0200d', i) from n");
    ASSERT_TRUE(QFile::resize(cat.path(), QFileInfo(cat.path()).size() / 2));
    EXPECT_EQ(catalogue::checkCatalogue(cat.path()), cat.path() + " is truncated");
}
