#include "database.h"
#include "gamegenerator.h"
#include "imagereading.h"
#include "samplecatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace sampledata;

namespace
{

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One sample catalogue for all tests of this file; writing it takes a moment.
class SampleCatalogue : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        QString error;
        written = writeSampleCatalogue(dir->path(), &error);
        writeError = error;
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(written) << writeError.toStdString();
        connection = catalogue::Connection::open(path(), nullptr);
        ASSERT_TRUE(connection);
    }
    static QString path() { return dir->filePath("commodore.mdb"); }
    QList<QSqlRecord> games()
    {
        QList<QSqlRecord> rows;
        QSqlQuery q = catalogue::run(connection->db(), "select * from tabella1 order by id");
        while (q.next())
            rows.append(q.record());
        return rows;
    }

    static inline QTemporaryDir *dir = nullptr;
    static inline bool written = false;
    static inline QString writeError;
    std::unique_ptr<catalogue::Connection> connection;
};

} // namespace

TEST_F(SampleCatalogue, PassesTheOpenTestAndCoversEveryFormat)
{
    EXPECT_EQ(catalogue::checkCatalogue(path()), QString());
    EXPECT_EQ(catalogue::checkForeignCatalogue(path()), QString());
    const QList<QSqlRecord> rows = games();
    EXPECT_GE(rows.size(), 30);
    QSet<QString> codes;
    for (const QSqlRecord &r : rows)
        codes.insert(r.value("formato").toString());
    const QStringList all = GameGenerator::formatCodes();
    EXPECT_EQ(codes, QSet<QString>(all.begin(), all.end()));
}

TEST_F(SampleCatalogue, TitlesThatExerciseTheBrowser)
{
    QMap<QString, QStringList> formatsByTitle;
    bool apostrophe = false;
    bool accented = false;
    for (const QSqlRecord &r : games()) {
        const QString title = r.value("titolo").toString();
        formatsByTitle[title].append(r.value("formato").toString());
        apostrophe |= title.contains('\'');
        for (QChar c : title)
            accented |= c.unicode() > 0x7F && c.isLetter();
    }
    EXPECT_TRUE(apostrophe);
    EXPECT_TRUE(accented);
    int twice = 0;
    for (const QStringList &formats : formatsByTitle)
        twice += formats.size() == 2 && formats[0] != formats[1] ? 1 : 0;
    EXPECT_GE(twice, 1);
    // One word in the title of one game and the publisher of another.
    const auto hit =
        catalogue::fetchOne(connection->db(),
                            "select count(*) from tabella1 a, tabella1 b where a.id <> b.id and "
                            "a.titolo like ? and b.sh like ?",
                            {"*Krystal*", "*Krystal*"});
    ASSERT_TRUE(hit);
    EXPECT_GT(hit->value(0).toInt(), 0);
}

TEST_F(SampleCatalogue, CreditsNotesAndOrigins)
{
    int additional = 0, others = 0, notes = 0, years = 0, genres = 0;
    QMap<QString, int> origins;
    for (const QSqlRecord &r : games()) {
        for (const char *c : {"adddesign", "addprogramming", "addgraphics", "addmusic"})
            additional += catalogue::isEmptyValue(r.value(c)) ? 0 : 1;
        others += catalogue::isEmptyValue(r.value("others")) ? 0 : 1;
        notes += catalogue::isEmptyValue(r.value("note")) ? 0 : 1;
        years += r.value("year").toInt() >= 1982 && r.value("year").toInt() <= 1996 ? 1 : 0;
        genres += catalogue::isEmptyValue(r.value("tipo")) ? 0 : 1;
        EXPECT_FALSE(catalogue::isEmptyValue(r.value("design")));
        origins[r.value("dbver").isNull() ? "<null>" : r.value("dbver").toString()] += 1;
    }
    const int total = int(games().size());
    EXPECT_GE(additional, 5);
    EXPECT_GE(others, 3);
    EXPECT_GE(notes, 10);
    EXPECT_EQ(years, total);
    EXPECT_EQ(genres, total);
    EXPECT_GT(origins.value("2026.12"), total / 2);
    EXPECT_GE(origins.value("Private"), 2);
    EXPECT_GE(origins.value("<null>"), 2);
    EXPECT_EQ(origins.size(), 3);
}

TEST_F(SampleCatalogue, ConfigurationPointsAtTheSampleFolders)
{
    QSqlQuery q = catalogue::run(connection->db(), "select * from tabella2");
    ASSERT_TRUE(q.next());
    const QSqlRecord config = q.record();
    EXPECT_FALSE(q.next()) << "exactly one configuration record";
    for (const char *program :
         {"ccs64", "vice", "c64s", "pc64", "uae", "fellow", "player1", "player2"})
        EXPECT_TRUE(config.value(program).isNull()) << program;
    EXPECT_EQ(config.value("dbver").toString(), "2026.12");
    const char *columns[] = {"game64",    "music64",    "screen64",
                             "gameamiga", "musicamiga", "screenamiga"};
    for (int i = 0; i < 6; ++i) {
        const QString folder = config.value(columns[i]).toString();
        EXPECT_TRUE(folder.endsWith(QDir::separator())) << columns[i];
        EXPECT_TRUE(QFileInfo(folder).isAbsolute()) << columns[i];
        EXPECT_TRUE(QFileInfo(folder).isDir()) << columns[i];
        EXPECT_EQ(QDir(folder), QDir(dir->filePath("sample/" + sampleFolders()[i])));
    }
}

TEST_F(SampleCatalogue, EveryFileExistsInItsFamilysFolder)
{
    QSqlQuery q = catalogue::run(connection->db(), "select * from tabella2");
    ASSERT_TRUE(q.next());
    const QSqlRecord config = q.record();
    int withGame = 0, withoutGame = 0, withSong = 0, withShots = 0, multiDisk = 0;
    for (const QSqlRecord &r : games()) {
        SCOPED_TRACE(r.value("titolo").toString().toStdString());
        const bool c64 = r.value("formato").toString().startsWith('C');
        const auto expectIn = [&](const char *column, const char *folder) {
            const QString file = r.value(column).toString();
            if (file.isEmpty())
                return false;
            EXPECT_TRUE(QFileInfo::exists(file)) << file.toStdString();
            EXPECT_TRUE(file.startsWith(config.value(folder).toString())) << file.toStdString();
            return true;
        };
        const bool game = expectIn("emul1", c64 ? "game64" : "gameamiga");
        (game ? withGame : withoutGame) += 1;
        if (expectIn("df1", "gameamiga"))
            ++multiDisk;
        expectIn("df2", "gameamiga");
        EXPECT_TRUE(catalogue::isEmptyValue(r.value("df3")));
        withSong += expectIn("song", c64 ? "music64" : "musicamiga") ? 1 : 0;
        const bool shot = expectIn("screen1", c64 ? "screen64" : "screenamiga");
        withShots += shot ? 1 : 0;
        if (expectIn("screen2", c64 ? "screen64" : "screenamiga")) {
            EXPECT_TRUE(shot) << "a second screenshot without a first";
        }
        if (shot) {
            const QImage image(r.value("screen1").toString());
            EXPECT_EQ(image.size(), c64 ? QSize(320, 200) : QSize(320, 256));
        }
    }
    EXPECT_GE(withGame, 10);
    EXPECT_GE(withoutGame, 3);
    EXPECT_GE(withSong, 10);
    EXPECT_GE(withShots, 10);
    EXPECT_GE(multiDisk, 3);
}

TEST_F(SampleCatalogue, ImagesHaveRealDirectories)
{
    int d64 = 0, t64 = 0, adf = 0;
    for (const QSqlRecord &r : games()) {
        for (const char *column : {"emul1", "df1", "df2"}) {
            const QString file = r.value(column).toString();
            if (file.isEmpty())
                continue;
            const QByteArray bytes = readAll(file);
            if (file.endsWith(".d64")) {
                ++d64;
                ASSERT_EQ(bytes.size(), 174848);
                const auto entries = imagereading::d64Directory(bytes);
                EXPECT_GE(entries.size(), 3) << file.toStdString();
                for (const auto &e : entries)
                    EXPECT_EQ(imagereading::d64FileData(bytes, e.track, e.sector).size() + 253 >=
                                  e.blocks * 254,
                              true);
            } else if (file.endsWith(".t64")) {
                ++t64;
                EXPECT_EQ(bytes.left(20), "C64S tape image file");
                EXPECT_GE(quint8(bytes[0x24]), 2) << file.toStdString();
            } else if (file.endsWith(".adf")) {
                ++adf;
                ASSERT_EQ(bytes.size(), 901120);
                EXPECT_EQ(imagereading::blockSum(bytes, 880), 0u);
                int files = 0;
                for (int slot = 0; slot < 72; ++slot)
                    files += imagereading::long32(bytes, 880, 24 + 4 * slot) ? 1 : 0;
                EXPECT_GE(files, 1);
            }
        }
    }
    EXPECT_GE(d64, 5);
    EXPECT_GE(t64, 2);
    EXPECT_GE(adf, 8);
}

TEST_F(SampleCatalogue, WritingAgainGivesTheSameCatalogue)
{
    const QList<QSqlRecord> before = games();
    connection.reset();
    QString error;
    ASSERT_TRUE(writeSampleCatalogue(dir->path(), &error)) << error.toStdString();
    ASSERT_TRUE(connection = catalogue::Connection::open(path(), nullptr));
    const QList<QSqlRecord> after = games();
    ASSERT_EQ(before.size(), after.size());
    for (int i = 0; i < before.size(); ++i)
        for (int c = 0; c < before[i].count(); ++c)
            EXPECT_EQ(before[i].value(c), after[i].value(c));
    EXPECT_EQ(QDir(dir->path()).entryList(QDir::Files), QStringList{"commodore.mdb"});
}

TEST(SampleCatalogueFailure, AnUnwritableFolderIsReported)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath("file");
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    QString error;
    EXPECT_FALSE(writeSampleCatalogue(blocker + "/inside", &error));
    EXPECT_FALSE(error.isEmpty());
}
