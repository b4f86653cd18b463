#include "database.h"
#include "exportfiles.h"
#include "fileops.h"
#include "gamediff.h"
#include "importfile.h"
#include "listline.h"
#include "testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace merrow;

TEST(ListLine, FiveCharacterFormatsAndOddRecords)
{
    // code|title|line, "~" for Null; another letter case is an unknown code.
    const QString cases = "C64|Elite|C64   Elite;C128|Elite|C128  Elite;Amiga|Elite|Amiga Elite;"
                          "Amiga 1.3|Elite|A 1.3 Elite;Amiga 2.x|Elite|A 2.x Elite;"
                          "Amiga 3.x|Elite|A 3.x Elite;c64|X|c64   X;Spectrum 128|X|Spect X;"
                          "~|Lost|      Lost;|Lost|      Lost;C64|~|C64   ";
    const auto value = [](const QString &v) { return v == "~" ? QVariant() : QVariant(v); };
    for (const QString &c : cases.split(';'))
        EXPECT_EQ(listLine(value(c.section('|', 0, 0)), value(c.section('|', 1, 1))),
                  c.section('|', 2))
            << c.toStdString();
}

TEST(ImportFile, ChecksTheCopyBeforeListingAndRefusesBadFiles)
{
    QTemporaryDir dir;
    const QString junkFile = dir.filePath("export.mdb"), working = dir.filePath("work.mdb");
    QString why;
    bool unfit = true;
    const auto open = [&](const QString &source) {
        return ImportFile::open(source, working, &why, &unfit);
    };
    {
        TestCatalogue file;
        file.addGame({{"titolo", "Zak"}, {"formato", "C64"}});
        file.addGame({{"titolo", "Agony"}, {"formato", "Amiga"}});
        file.addGame({{"titolo", QVariant()}, {"formato", "Weird format"}});
        catalogue::run(file.db(), "alter table tabella1 add column rating TEXT"); // does no harm
        auto copy = open(file.path());
        ASSERT_TRUE(copy) << why.toStdString();
        const QList<ListEntry> entries = copy->entries();
        ASSERT_EQ(entries.size(), 3);
        EXPECT_EQ(QStringList({entries[0].line, entries[1].line, entries[2].line}),
                  QStringList({"C64   Zak", "Amiga Agony", "Weird "}));
        EXPECT_LT(entries[0].id, entries[1].id);
    }
    auto again = open(working); // the working copy chosen as the source is read in place
    ASSERT_TRUE(again) << why.toStdString();
    EXPECT_EQ(again->entries().size(), 3);
    again.reset();
    EXPECT_FALSE(open(junkFile));
    EXPECT_FALSE(unfit);
    EXPECT_TRUE(why.contains("does not exist")) << why.toStdString();
    QByteArray jet(4096, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    for (const auto &[bytes, says] :
         {std::pair(jet, "Jet"), {"not the games you look for", ""}, {{}, ""}}) {
        writeBytes(junkFile, bytes);
        EXPECT_FALSE(open(junkFile));
        EXPECT_TRUE(unfit) << says;
        EXPECT_TRUE(why.contains(says)) << why.toStdString();
    }
    // A real export file that lost its tail, got a damaged page or lost a column.
    for (const QString kind : {"truncated", "page", "music"}) { // spoilt real export files
        TestCatalogue file;
        addGames(file, 300, QString(200, 'n'));
        if (kind == "truncated")
            QFile::resize(file.path(), QFileInfo(file.path()).size() / 2);
        else if (kind == "page") // a damaged page in the middle
            writeBytes(file.path(), QByteArray(4096, '\xA5'), 4096 * 3);
        else
            catalogue::run(file.db(), "alter table tabella1 drop column music");
        EXPECT_FALSE(open(file.path()));
        EXPECT_TRUE(unfit) << kind.toStdString();
        EXPECT_TRUE(why.contains(kind == "page" ? "" : kind)) << why.toStdString();
    }
}

class CompareTest : public testing::Test
{
protected:
    TestCatalogue local, exported;
    QStringList diff(int id)
    {
        const GameDiff d = compareGame(local.db(), exported.db(), id);
        QStringList out;
        if (d.isNew)
            out << "NEW";
        for (const DiffLine &l : d.lines) {
            out << l.text;
            EXPECT_EQ(l.exportId, id);
        }
        return out;
    }
};

TEST_F(CompareTest, FourteenFieldsInOrderMatchedCaseBlindWithQuotes)
{
    QVariantMap e{{"titolo", "Elite"},  {"formato", "C64"}, {"sh", "Firebird"}, {"year", "1985"},
                  {"note", QVariant()}, {"dbver", "other"}, {"df1", "/b.d64"}};
    local.addGame(e);
    catalogue::run(
        local.db(),
        "update tabella1 set year = '', note = 'kept', dbver = 'Private', df1 = '/a.d64'");
    for (const char *c : {"team", "tipo", "design", "programming", "graphics", "music", "adddesign",
                          "addprogramming", "addgraphics", "addmusic", "others"})
        e[c] = c;
    EXPECT_EQ(diff(exported.addGame(e)),
              QStringList({"Team       : EMPTY -> team", "Year       : EMPTY -> 1985",
                           "Genre      : EMPTY -> tipo", "Design     : EMPTY -> design",
                           "Programming: EMPTY -> programming", "Graphics   : EMPTY -> graphics",
                           "Music/Sfx  : EMPTY -> music", "Add. Design: EMPTY -> adddesign",
                           "Add. Progr.: EMPTY -> addprogramming",
                           "Add. Grfx  : EMPTY -> addgraphics", "Add. Music : EMPTY -> addmusic",
                           "Others     : EMPTY -> others", "Note       : kept -> EMPTY"}));
    local.addGame({{"titolo", "Dragon's Lair \"II\""}, {"formato", "amiga"}, {"sh", "a"}});
    local.addGame({{"titolo", "ÉLITE"}, {"formato", "C64"}, {"sh", "B"}});
    local.addGame({{"titolo", "Turrican"}, {"formato", "C64"}, {"sh", "Rainbow Arts"}});
    local.addGame({{"titolo", "Turrican"}, {"formato", "Amiga"}, {"sh", "Factor 5"}});
    local.addGame({{"titolo", QVariant()}, {"formato", "C64"}, {"team", ""}});
    const struct {
        QVariant title;
        const char *format;
        QStringList expected;
    } cases[] = {
        {"DRAGON'S LAIR \"ii\"", "Amiga", {"Publisher  : a -> b"}},
        {"élite", "C64", {"Publisher  : B -> b"}}, // values compare exactly
        {"élite", "C128", {"NEW"}},
        {"x' or '1'='1", "C64", {"NEW"}},
        {"Turrican", "C64", {"Publisher  : Rainbow Arts -> b"}},
        {"Turrican", "Amiga", {"Publisher  : Factor 5 -> b"}},
        {QVariant(), "C64", {"Publisher  : EMPTY -> b"}}, // untitled matches untitled, Null = ""
    };
    for (const auto &c : cases)
        EXPECT_EQ(diff(exported.addGame({{"titolo", c.title}, {"formato", c.format}, {"sh", "b"}})),
                  c.expected)
            << c.title.toString().toStdString();
    const GameDiff missing = compareGame(local.db(), exported.db(), 999);
    EXPECT_FALSE(missing.found);
    EXPECT_FALSE(missing.isNew);
}

TEST(ExportFilePath, RootGetsTheNameDirectlyOthersASeparator)
{
    EXPECT_EQ(exportFilePath(QDir::rootPath()), QDir::rootPath() + "export.mdb");
    EXPECT_EQ(exportFilePath("/mnt/floppy"), "/mnt/floppy/export.mdb");
}
