#include "cataloguestore.h"
#include "database.h"
#include "legacyconversion.h"
#include "legacyreader.h"
#include "progress.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace
{

QString fixture(const QString &name)
{
    return QStringLiteral(VANTREL_LEGACY_FIXTURES "/") + name;
}

// A test's name from the case it runs: "no title column" -> "no_title_column".
template <class Case> std::string caseName(const ::testing::TestParamInfo<Case> &info)
{
    return QString::fromLatin1(info.param.name).replace(u' ', u'_').toStdString();
}

// The fixtures' CSV: a header, then records with quoted fields that may hold "" and line breaks.
QList<QStringList> readCsv(const QString &path)
{
    static const QRegularExpression field(
        QStringLiteral(R"re((?:"((?:[^"]|"")*)"|([^,\r\n]*))(,|\r?\n))re"));
    QList<QStringList> records{{}};
    for (const QRegularExpressionMatch &m : field.globalMatch(QString::fromUtf8(readFile(path)))) {
        records.last() << (m.hasCaptured(1)
                               ? m.captured(1).replace(QStringLiteral("\"\""), QStringLiteral("\""))
                               : m.captured(2));
        if (m.captured(3) != u",")
            records.append(QStringList());
    }
    records.removeLast(); // the one begun after the last line break
    return records;
}

} // namespace

using LegacyFixture = ::testing::TestWithParam<const char *>;

TEST_P(LegacyFixture, EveryValueArrivesExactly)
{
    QTemporaryDir dir;
    const QString base = QLatin1String(GetParam());
    const QString output = dir.filePath(QStringLiteral("out.sqlite"));
    ASSERT_EQ(legacy::readJetFile(fixture(base + ".mdb"), output).error(), QString());
    ASSERT_EQ(catalogue::checkForeignCatalogue(output).error(), QString());
    const QList<QStringList> csv = readCsv(fixture(base + ".csv"));
    const QStringList header = csv.first();
    const auto c = catalogue::Connection::open(output, catalogue::Connection::Mode::Foreign);
    ASSERT_TRUE(c.ok()) << c.error().toStdString();
    QSqlQuery q((*c)->db());
    ASSERT_TRUE(
        q.exec(QStringLiteral("select %1 from tabella1 order by id").arg(header.join(u','))));
    int row = 1;
    for (; q.next(); ++row) {
        ASSERT_LT(row, csv.size());
        for (int column = 0; column < header.size(); ++column) {
            const QString expected = csv.at(row).at(column);
            // Empty text arrives as Null, as the programs store it.
            EXPECT_EQ(q.value(column).isNull(), expected.isEmpty())
                << header.at(column).toStdString();
            EXPECT_EQ(q.value(column).toString(), expected)
                << base.toStdString() << " row " << row << ' ' << header.at(column).toStdString();
        }
    }
    EXPECT_EQ(row, csv.size());
    const auto config = CatalogueStore((*c)->db()).configuration();
    ASSERT_TRUE(config.ok()) << config.error().toStdString();
    EXPECT_EQ(config->vice, QStringLiteral("C:\\VICE\\x64.exe"));
    EXPECT_EQ(config->c64Games, QStringLiteral("C:\\Games\\C64\\"));
    EXPECT_EQ(config->version, QStringLiteral("2003.1"));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LegacyFixture,
                         ::testing::Values("catalogue-jet4", "catalogue-jet3", "export-jet4"));

TEST(LegacyConversion, WritesAWholeCatalogueAndLeavesNothingElse)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("new.mdb"));
    struct LastReport final : Progress {
        qint64 done = -1;
        qint64 total = -1;
        void setTotal(qint64 t) override { total = t; }
        void setDone(qint64 d) override { done = d; }
        void note(const QString &) override {}
        bool isCancelled() const override { return false; }
    } progress;
    const Outcome converted = legacy::convertCatalogue(
        fixture(QStringLiteral("catalogue-jet4.mdb")), target, dir.path(), progress);
    ASSERT_TRUE(converted.ok()) << converted.error().toStdString();
    EXPECT_EQ(progress.done, 40);
    EXPECT_EQ(progress.total, 40);
    ASSERT_EQ(catalogue::checkCatalogue(target).error(), QString());
    const auto c = catalogue::Connection::open(target);
    ASSERT_TRUE(c.ok()) << c.error().toStdString();
    const QSqlDatabase db = (*c)->db();
    const auto ids =
        catalogue::fetchOne(db, QStringLiteral("select count(*), max(id) from tabella1"));
    ASSERT_TRUE(ids.ok()) << ids.error().toStdString();
    ASSERT_TRUE(ids->has_value());
    EXPECT_EQ((*ids)->value(0), 40);
    EXPECT_EQ((*ids)->value(1), 40);
    // The title index answers with the programs' folding: an accented title found case-blind.
    const auto game = catalogue::fetchOne(
        db, QStringLiteral("select id from tabella1 where titolo = ? and formato = ?"),
        {QStringLiteral("CŒUR CRYPT"), QStringLiteral("c128")});
    ASSERT_TRUE(game.ok()) << game.error().toStdString();
    ASSERT_TRUE(game->has_value());
    EXPECT_EQ((*game)->value(0).toInt(), 2);
    EXPECT_EQ(CatalogueStore(db).configuration()->uae, QStringLiteral("C:\\WinUAE\\winuae.exe"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("new.mdb")});
}

namespace
{

// The Jet 4 fixture's layout: the games table's definition on page 3 (40 rows), its data
// pages 7, 8 and 9 (16, 16 and 8 rows), its memo values on the long-value page 6.
constexpr int kPage = 4096;
constexpr int kDefinition = 3 * kPage;
constexpr int kLongValues = 6;

// Where row of the page at pageStart begins (rows fill a page from its end).
int rowStart(const QByteArray &jet, int pageStart, int row)
{
    return qFromLittleEndian<quint16>(jet.constData() + pageStart + 14 + 2 * row) & 0x1fff;
}

// Zeroes the row that holds the games table's page map: the table seems to own no page.
void zeroPageMap(QByteArray &jet)
{
    const quint32 map = qFromLittleEndian<quint32>(jet.constData() + kDefinition + 55);
    const int page = int(map >> 8) * kPage, row = int(map & 0xff);
    const int start = rowStart(jet, page, row);
    const int end = row == 0 ? kPage : rowStart(jet, page, row - 1);
    jet.replace(page + start, end - start, QByteArray(end - start, '\0'));
}

// Turns the first note kept in one long-value row into a chain of rows whose first row
// names itself as the next: the chain loops.
void loopMemoChain(QByteArray &jet)
{
    for (int at = 7 * kPage + 14; at + 12 < 8 * kPage; ++at) {
        if (quint8(jet[at + 3]) != 0x40 || jet[at + 5] != char(kLongValues) || jet[at + 6] ||
            jet[at + 7])
            continue;
        jet[at + 3] = 0; // a chain of rows
        const int row = quint8(jet[at + 4]);
        const int first = kLongValues * kPage + rowStart(jet, kLongValues * kPage, row);
        qToLittleEndian<quint32>(quint32(kLongValues << 8 | row), jet.data() + first);
        return;
    }
}

QByteArray damaged(const QString &how)
{
    QByteArray jet = readFile(fixture(QStringLiteral("catalogue-jet4.mdb")));
    if (how == QLatin1String("truncated"))
        return jet.left(20000);
    if (how == QLatin1String("cut before its last page")) // as a copy broken off
        return jet.left(9 * kPage);
    if (how == QLatin1String("page map zeroed"))
        zeroPageMap(jet);
    if (how == QLatin1String("row count zeroed")) // of page 8: the library takes its row 0 only
        jet[8 * kPage + 12] = jet[8 * kPage + 13] = 0;
    if (how == QLatin1String("row flag flipped")) // the first row of the first page: deleted
        jet[7 * kPage + 15] = char(jet.at(7 * kPage + 15) ^ 0x40);
    if (how == QLatin1String("memo chain looping"))
        loopMemoChain(jet);
    if (how == QLatin1String("flipped")) // the table definitions and the first data page
        for (int i = 2 * kPage; i < 8 * kPage; i += 97)
            jet[i] = char(jet.at(i) ^ 0x5a);
    if (how == QLatin1String("random"))
        for (int i = kPage; i < jet.size(); ++i)
            jet[i] = char((i * 7919) >> 3);
    if (how == QLatin1String("encrypted")) // another database key scrambles every page
        for (int i = 0x3e; i < 0x42; ++i)
            jet[i] = char(jet.at(i) ^ 0xff);
    if (how == QLatin1String("crashing the library")) { // the system table's page map: nowhere
        jet[2 * kPage + 55] = char(0x80);
        jet[2 * kPage + 56] = 0;
    }
    if (how == QLatin1String("no games table"))
        jet.replace("tabella1", "tabella9");
    if (how == QLatin1String("no title column"))
        jet.replace(QByteArray(reinterpret_cast<const char *>(u"titolo"), 12),
                    QByteArray(reinterpret_cast<const char *>(u"titolx"), 12));
    return jet;
}

// Reading a file of bytes is refused for reason, naming the file, and leaves no output behind.
// With tables, the reader's named mode is asked for those tables instead.
void expectRefused(const QByteArray &bytes, const QString &reason,
                   const legacy::ReaderRun &run = {}, const QString &tables = {})
{
    QTemporaryDir dir;
    const QString input = writeFile(dir.filePath(QStringLiteral("input.mdb")), bytes);
    const QString output = dir.filePath(QStringLiteral("out.sqlite"));
    const QString why = (tables.isEmpty() ? legacy::readJetFile(input, output, run)
                                          : legacy::readJetTables(input, tables, output, run))
                            .error();
    EXPECT_TRUE(why.startsWith(input + QStringLiteral(" cannot be read: "))) << why.toStdString();
    EXPECT_TRUE(why.contains(reason)) << why.toStdString();
    EXPECT_FALSE(QFile::exists(output));
}

struct Refusal {
    const char *name;     // how the fixture is damaged, or what the fake reader does
    const char *reason;   // a part of the refusal, beyond the file's name
    int wallSeconds = 60; // short only where the wall clock is what is tested
    bool cancelled = false;
};

} // namespace

using LegacyBadFile = ::testing::TestWithParam<Refusal>;

TEST_P(LegacyBadFile, IsRefusedWithoutOutput)
{
    expectRefused(damaged(QLatin1String(GetParam().name)), QLatin1String(GetParam().reason));
    // Asked by name, any column of the table, the same checks hold.
    if (!QByteArray(GetParam().reason).contains("no "))
        expectRefused(damaged(QLatin1String(GetParam().name)), QLatin1String(GetParam().reason), {},
                      QStringLiteral("tabella1:note,id"));
}

TEST(LegacyReader, CopiesNamedColumnsAndLeavesOutWhatTheFileLacks)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.sqlite"));
    ASSERT_EQ(legacy::readJetTables(fixture(QStringLiteral("catalogue-jet4.mdb")),
                                    QStringLiteral("Games:GA_Id;TABELLA1:note,ID,nothere"), output)
                  .error(),
              QString());
    const auto c = catalogue::Connection::open(output, catalogue::Connection::Mode::Foreign);
    ASSERT_TRUE(c.ok()) << c.error().toStdString();
    EXPECT_EQ((*c)->db().tables(), QStringList{QStringLiteral("TABELLA1")});
    QSqlQuery q((*c)->db());
    ASSERT_TRUE(q.exec(QStringLiteral("select * from TABELLA1 order by cast(ID as integer)")));
    EXPECT_EQ(q.record().count(), 2);
    const QList<QStringList> csv = readCsv(fixture(QStringLiteral("catalogue-jet4.csv")));
    const qsizetype note = csv.first().indexOf(QStringLiteral("note"));
    int row = 1;
    for (; q.next(); ++row) {
        EXPECT_EQ(q.value(QStringLiteral("ID")).toString(), csv.value(row).value(0));
        EXPECT_EQ(q.value(QStringLiteral("note")).toString(), csv.value(row).value(note));
    }
    EXPECT_EQ(row, csv.size());
}

INSTANTIATE_TEST_SUITE_P(
    Files, LegacyBadFile,
    ::testing::Values(Refusal{"truncated", "no table tabella1"},
                      Refusal{"cut before its last page",
                              "damaged: 32 rows of tabella1 can be read, where it holds 40"},
                      Refusal{"page map zeroed", "damaged: 0 rows of tabella1"},
                      Refusal{"row count zeroed", "damaged: 25 rows of tabella1"},
                      Refusal{"row flag flipped", "damaged: 39 rows of tabella1"},
                      Refusal{"memo chain looping", "holds 192 bytes, where its length is 196"},
                      Refusal{"flipped", "list of tables"}, Refusal{"random", "list of tables"},
                      Refusal{"encrypted", "list of tables"},
                      Refusal{"crashing the library", "crashed (signal 11)"},
                      Refusal{"no games table", "no table tabella1"},
                      Refusal{"no title column", "tabella1 has no column titolo"}),
    caseName<Refusal>);

using LegacyReaderLimits = ::testing::TestWithParam<Refusal>;

TEST_P(LegacyReaderLimits, AreReportedAsSuch)
{
    legacy::ReaderRun run;
    run.program = QStringLiteral(FAKE_READER);
    run.limits = {256 << 20, 1, GetParam().wallSeconds, 4 << 20};
    if (GetParam().cancelled)
        run.cancelled = [] { return true; };
    expectRefused(GetParam().name, QLatin1String(GetParam().reason), run);
}

INSTANTIATE_TEST_SUITE_P(Modes, LegacyReaderLimits,
                         ::testing::Values(Refusal{"spin", "its 1 s of processor time"},
                                           Refusal{"sleep", "did not finish within 3 s", 3},
                                           Refusal{"hog", "more than the 256 MB of memory"},
                                           Refusal{"flood", "beyond the 4 MB allowed"},
                                           Refusal{"crash", "crashed (signal 11)"},
                                           Refusal{"refuse", "it has no table tabella1"},
                                           Refusal{"quiet", "without finishing"},
                                           // Stopped at once: long before the wall clock ends it.
                                           Refusal{"sleep cancelled", "the reading was cancelled",
                                                   3, true}),
                         caseName<Refusal>);

TEST(LegacyReader, NeverTouchesAFileItDidNotMake)
{
    QTemporaryDir dir;
    const QString output = writeFile(dir.filePath(QStringLiteral("out.sqlite")), "mine");
    QProcess reader;
    reader.start(legacy::readerProgram(), {fixture(QStringLiteral("catalogue-jet4.mdb")), output});
    ASSERT_TRUE(reader.waitForFinished(60000));
    EXPECT_EQ(reader.exitCode(), 1);
    EXPECT_EQ(readFile(output), QByteArray("mine"));
}
