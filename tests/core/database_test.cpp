#include "database.h"
#include "opentest.h"
#include "readaheadvfs.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <vector>

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
        const auto c = catalogue::Connection::open(noTables, catalogue::Connection::Mode::Create);
        ASSERT_TRUE(c.ok()) << c.error().toStdString();
        QSqlQuery((*c)->db()).exec("create table other (x)");
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
    const auto other = catalogue::Connection::open(good.path());
    ASSERT_TRUE(other.ok()) << other.error().toStdString();
    QSqlQuery lock((*other)->db());
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
    EXPECT_EQ(catalogue::checkForeignCatalogue(cat.path()).error(), QString());
    QSqlQuery(cat.db()).exec("alter table tabella1 drop column note");
    EXPECT_EQ(catalogue::checkForeignCatalogue(cat.path()).error(),
              "the table tabella1 has no column note");
    QSqlQuery(cat.db()).exec("PRAGMA user_version = 99");
    const QString newer = catalogue::Connection::open(cat.path()).error();
    EXPECT_TRUE(newer.contains("newer version")) << newer.toStdString();
    const QString nothing = cat.dir() + "/nothing.mdb";
    EXPECT_FALSE(catalogue::Connection::open(nothing).ok());
    EXPECT_FALSE(QFile::exists(nothing));
}

TEST(Connection, ForeignFilesAreOnlyReadAndTheirWorkIsBounded)
{
    TestCatalogue cat;
    const auto c = catalogue::Connection::open(cat.path(), catalogue::Connection::Mode::Foreign);
    ASSERT_TRUE(c.ok()) << c.error().toStdString();
    (*c)->setStepLimit(50);
    const QSqlDatabase db = (*c)->db();
    const struct {
        const char *sql;
        QVariantList params;
        const char *why; // a part of the reason
    } refused[] = {
        {"with recursive n(x) as (select 1 union all select x + 1 from n) select count(*) from n",
         {},
         "time limit"},
        {"select zeroblob(?)", {catalogue::kForeignValueLimit + 1}, "size limit"},
        {"delete from tabella1", {}, "readonly"},
    };
    for (const auto &r : refused) {
        const QString why = catalogue::run(db, r.sql, r.params).error();
        EXPECT_TRUE(why.contains(r.why)) << r.sql << ": " << why.toStdString();
    }
    // fetchOne tells a statement that fails from one without rows.
    EXPECT_EQ(catalogue::fetchOne(db, "select x from missing").error(), "no such table: missing");
    const auto none = catalogue::fetchOne(db, "select id from tabella1");
    ASSERT_TRUE(none.ok()) << none.error().toStdString();
    EXPECT_FALSE(none->has_value());
}

// A transaction that could not begin says why, and so does its commit.
TEST(Connection, ATransactionThatDidNotBeginCannotCommit)
{
    TestCatalogue cat;
    catalogue::WriteTransaction outer(cat.db());
    ASSERT_TRUE(outer.isOpen()) << outer.error().toStdString();
    catalogue::WriteTransaction inner(cat.db());
    EXPECT_FALSE(inner.isOpen());
    EXPECT_TRUE(inner.error().contains("within a transaction")) << inner.error().toStdString();
    EXPECT_EQ(inner.commit().error(), inner.error());
    EXPECT_TRUE(outer.commit().ok());
    EXPECT_EQ(outer.commit().error(), "no transaction is open");
}

// A writer killed in the middle leaves its journal: reading rolls it back, creating nothing.
TEST(Connection, ReadOnlyOpenRollsBackAHotJournal)
{
    TestCatalogue cat;
    for (int i = 0; i < 300; ++i)
        cat.addGame({{"titolo", QString("Game %1").arg(i)}, {"note", QString(900, 'n')}});
    QTemporaryDir crashed;
    const QString copy = crashed.filePath("commodore.mdb");
    EXPECT_TRUE(catalogue::run(cat.db(), "PRAGMA cache_size = 2"));
    {
        catalogue::WriteTransaction killed(cat.db());
        EXPECT_TRUE(catalogue::run(cat.db(), "update tabella1 set note = 'lost', titolo = 'lost'"));
        ASSERT_TRUE(QFile::copy(cat.path(), copy));
        ASSERT_TRUE(QFile::copy(cat.path() + "-journal", copy + "-journal"));
    }
    const auto c = catalogue::Connection::open(copy, catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(c.ok()) << c.error().toStdString();
    const auto lost =
        catalogue::fetchOne((*c)->db(), "select count(*) from tabella1 where titolo = 'lost'");
    ASSERT_TRUE(lost.ok()) << lost.error().toStdString();
    EXPECT_EQ(lost->value_or(QSqlRecord()).value(0).toInt(), 0);
    EXPECT_EQ(QDir(crashed.path()).entryList(QDir::Files), QStringList{"commodore.mdb"});
}

// The header counts the pages; a file shorter than that lost its tail and is named so.
TEST(OpenTest, NamesACatalogueThatLostItsTail)
{
    TestCatalogue cat;
    EXPECT_TRUE(catalogue::run(cat.db(),
                               "with recursive n(i) as (select 1 union all select i + 1 from n "
                               "where i < 300) insert into tabella1 (titolo) "
                               "select printf('%0200d', i) from n"));
    ASSERT_TRUE(QFile::resize(cat.path(), QFileInfo(cat.path()).size() / 2));
    EXPECT_EQ(catalogue::checkCatalogue(cat.path()).error(), cat.path() + " is truncated");
}

// Read-only connections read a scanned file ahead and lend SQLite pages from those chunks:
// staggered cursors keep more chunks lent than are kept, and every scan sees what the writer
// sees after each of its commits, the file shrinking or going over to WAL included.
TEST(Connection, ReadingAheadMissesNoCommitAndNoRow)
{
    TestCatalogue cat;
    EXPECT_TRUE(catalogue::run(cat.db(),
                               "with recursive n(i) as (select 1 union all select i + 1 "
                               "from n where i < 2000) insert into tabella1 (titolo, "
                               "note) select printf('Game %d', i), zeroblob(500) from n"));
    const auto reader =
        catalogue::Connection::open(cat.path(), catalogue::Connection::Mode::ReadOnly);
    ASSERT_TRUE(reader.ok()) << reader.error().toStdString();
    sqlite3_vfs *vfs = nullptr;
    sqlite3_file_control(catalogue::nativeHandle((*reader)->db()), "main", SQLITE_FCNTL_VFS_POINTER,
                         &vfs);
    ASSERT_NE(vfs, nullptr);
    EXPECT_STREQ(vfs->zName, catalogue::readAheadVfsName());
    std::vector<QSqlQuery> cursors;
    for (int k = 0; k < 6; ++k) {
        QSqlQuery &q = cursors.emplace_back((*reader)->db());
        q.setForwardOnly(true);
        ASSERT_TRUE(q.exec("select id from tabella1 order by id"));
        for (int skipped = 0; skipped <= 300 * k; ++skipped)
            q.next();
    }
    for (int step = 0; step < 100; ++step)
        for (int k = 0; k < 6; ++k) {
            ASSERT_TRUE(cursors[k].next());
            EXPECT_EQ(cursors[k].value(0).toInt(), 300 * k + step + 2) << k << ", " << step;
        }
    cursors.clear();
    // The last row, looked up first, is where the previous scan left its chunk.
    const char *reads[] = {"select titolo, 0, 0 from tabella1 order by id desc",
                           "select count(*), total(length(titolo)), total(id * length(note)) "
                           "from tabella1"};
    for (const char *change :
         {"select 1", "update tabella1 set titolo = upper(titolo)",
          "delete from tabella1 where id % 3 = 0", "vacuum", "PRAGMA journal_mode = WAL",
          "update tabella1 set titolo = lower(titolo)", "PRAGMA wal_checkpoint(TRUNCATE)"}) {
        EXPECT_TRUE(catalogue::run(cat.db(), change)) << change;
        for (const char *read : reads) {
            const auto seen = catalogue::fetchOne((*reader)->db(), read);
            const auto written = catalogue::fetchOne(cat.db(), read);
            ASSERT_TRUE(seen.ok()) << seen.error().toStdString();
            for (int column = 0; column < 3; ++column)
                EXPECT_EQ(seen->value().value(column), written->value().value(column)) << change;
        }
    }
}

// The quicker UTF-8 reading gives what columnText gives, for every kind of value.
TEST(Connection, RowValuesReadAsUtf8AsTheyReadAsText)
{
    TestCatalogue catalogue;
    const QStringList values{"7", "2.5", "'Łódź €'", "null", "x'41'"};
    const QString sql = QStringLiteral("select %1").arg(values.join(u','));
    int rows = 0;
    ASSERT_TRUE(catalogue::forEachRow(catalogue.db(), sql, {}, [&](sqlite3_stmt *row) {
                    ++rows;
                    for (int i = 0; i < int(values.size()); ++i) {
                        EXPECT_EQ(catalogue::columnUtf8Text(row, i), catalogue::columnText(row, i));
                        EXPECT_EQ(catalogue::columnInteger(row, i).value_or(-1), i == 0 ? 7 : -1);
                    }
                }).ok());
    EXPECT_EQ(rows, 1);
}
