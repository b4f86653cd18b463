#include "database.h"
#include "exportfiles.h"
#include "fileops.h"
#include "gamediff.h"
#include "importfile.h"
#include "listline.h"
#include "testcatalogue.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace merrow;

TEST(ListLine, AbbreviationsAreFiveCharactersAndTitleStartsInColumnSeven)
{
    EXPECT_EQ(listLine("C64", "Elite"), "C64   Elite");
    EXPECT_EQ(listLine("C128", "Elite"), "C128  Elite");
    EXPECT_EQ(listLine("Amiga", "Elite"), "Amiga Elite");
    EXPECT_EQ(listLine("Amiga 1.3", "Elite"), "A 1.3 Elite");
    EXPECT_EQ(listLine("Amiga 2.x", "Elite"), "A 2.x Elite");
    EXPECT_EQ(listLine("Amiga 3.x", "Elite"), "A 3.x Elite");
    for (const char *code : {"C64", "C128", "Amiga", "Amiga 1.3", "Amiga 2.x", "Amiga 3.x"})
        EXPECT_EQ(listLine(code, "X").indexOf('X'), 6) << code;
}

TEST(ListLine, OddRecordsStillGiveAWellFormedLine)
{
    // Codes match exactly: another letter case is an unknown code.
    EXPECT_EQ(abbreviation("c64"), "c64  ");
    EXPECT_EQ(abbreviation("Spectrum 128"), "Spect");
    EXPECT_EQ(abbreviation("PC"), "PC   ");
    EXPECT_EQ(abbreviation(QVariant()), "     ");
    EXPECT_EQ(abbreviation(""), "     ");
    EXPECT_EQ(listLine("C64", QVariant()), "C64   ");
    EXPECT_EQ(listLine(QVariant(), "Lost"), "      Lost");
}

TEST(DiffLine, EmptyAndNullReadAsEmptyOnBothSides)
{
    bool differs = false;
    EXPECT_EQ(diffLine("Year       ", QVariant(), "1987", &differs), "Year       : EMPTY -> 1987");
    EXPECT_TRUE(differs);
    EXPECT_EQ(diffLine("Team       ", "Ocean", "", &differs), "Team       : Ocean -> EMPTY");
    EXPECT_TRUE(differs);
    diffLine("Note       ", QVariant(), "", &differs);
    EXPECT_FALSE(differs);
    // The comparison itself is exact, letter case included.
    diffLine("Publisher  ", "Ocean", "OCEAN", &differs);
    EXPECT_TRUE(differs);
    EXPECT_EQ(comparedFields().size(), 14);
    for (const ComparedField &f : comparedFields())
        EXPECT_EQ(QString::fromLatin1(f.label).size(), 11) << f.column;
}

class ImportFileTest : public testing::Test
{
protected:
    QTemporaryDir dir;
    QString source = dir.filePath("floppy/export.mdb");
    QString working = dir.filePath("temp/export.mdb");
    void SetUp() override
    {
        QDir().mkpath(dir.filePath("floppy"));
        QDir().mkpath(dir.filePath("temp"));
    }
    std::unique_ptr<ImportFile> open(QString *why)
    {
        return ImportFile::open(source, working, why);
    }
};

TEST_F(ImportFileTest, CopiesAndListsInFileOrder)
{
    {
        ExportFileMaker maker(source);
        maker.add({{"titolo", "Zak"}, {"formato", "C64"}});
        maker.add({{"titolo", "Agony"}, {"formato", "Amiga"}});
        maker.add({{"titolo", QVariant()}, {"formato", "Weird format"}});
    }
    QString why;
    auto file = open(&why);
    ASSERT_TRUE(file) << why.toStdString();
    EXPECT_TRUE(QFile::exists(working));
    const QList<ListEntry> entries = file->entries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].line, "C64   Zak");
    EXPECT_EQ(entries[1].line, "Amiga Agony");
    EXPECT_EQ(entries[2].line, "Weird ");
    EXPECT_LT(entries[0].id, entries[1].id);
    // The copy replaces an earlier working copy.
    file.reset();
    QFile::remove(source);
    {
        ExportFileMaker maker(source);
        maker.add({{"titolo", "Only"}, {"formato", "C128"}});
    }
    file = open(&why);
    ASSERT_TRUE(file) << why.toStdString();
    ASSERT_EQ(file->entries().size(), 1);
}

TEST_F(ImportFileTest, WorkingCopyChosenAsSourceIsReadInPlace)
{
    {
        ExportFileMaker maker(working);
        maker.add({{"titolo", "Here"}, {"formato", "C64"}});
    }
    QString why;
    auto file = ImportFile::open(working, working, &why);
    ASSERT_TRUE(file) << why.toStdString();
    EXPECT_EQ(file->entries().size(), 1);
}

TEST_F(ImportFileTest, BadFilesAreRefusedBeforeAnythingIsRead)
{
    QString why;
    bool unfit = true;
    EXPECT_FALSE(ImportFile::open(source, working, &why, &unfit));
    EXPECT_TRUE(why.contains("does not exist")) << why.toStdString();
    EXPECT_FALSE(unfit);

    QByteArray jet(4096, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    writeBytes(source, jet);
    EXPECT_FALSE(open(&why));
    EXPECT_TRUE(why.contains("Jet")) << why.toStdString();

    writeBytes(source, "these are not the games you are looking for");
    EXPECT_FALSE(ImportFile::open(source, working, &why, &unfit));
    EXPECT_TRUE(unfit);
    EXPECT_FALSE(why.isEmpty());

    writeBytes(source, {});
    EXPECT_FALSE(open(&why));
    EXPECT_FALSE(why.isEmpty());

    // A real export file that lost its tail on the way.
    QFile::remove(source);
    {
        ExportFileMaker maker(source);
        catalogue::WriteTransaction tx(maker.db());
        for (int i = 0; i < 300; ++i)
            maker.add({{"titolo", QString("Game %1").arg(i)},
                       {"formato", "C64"},
                       {"note", QString(200, 'n')}});
        tx.commit();
    }
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(f.size() / 2);
    f.close();
    EXPECT_FALSE(open(&why));
    EXPECT_TRUE(why.contains("truncated")) << why.toStdString();

    // A damaged page in the middle.
    QFile::remove(source);
    {
        ExportFileMaker maker(source);
        catalogue::WriteTransaction tx(maker.db());
        for (int i = 0; i < 300; ++i)
            maker.add({{"titolo", QString("Game %1").arg(i)},
                       {"formato", "C64"},
                       {"note", QString(200, 'n')}});
        tx.commit();
    }
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(4096 * 3);
    f.write(QByteArray(4096, '\xA5'));
    f.close();
    EXPECT_FALSE(open(&why));
    EXPECT_FALSE(why.isEmpty());
}

TEST_F(ImportFileTest, ColumnsMissingAreRefusedExtraColumnsAreFine)
{
    {
        ExportFileMaker maker(source);
        catalogue::run(maker.db(), "alter table tabella1 add column rating TEXT");
        maker.add({{"titolo", "Extra"}, {"formato", "C64"}, {"rating", "5"}});
    }
    QString why;
    auto file = open(&why);
    ASSERT_TRUE(file) << why.toStdString();
    EXPECT_EQ(file->entries().size(), 1);
    file.reset();

    QFile::remove(source);
    {
        ExportFileMaker maker(source);
        QString error;
        catalogue::run(maker.db(), "alter table tabella1 drop column music", {}, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    }
    EXPECT_FALSE(open(&why));
    EXPECT_TRUE(why.contains("music")) << why.toStdString();
}

class CompareTest : public testing::Test
{
protected:
    QTemporaryDir dir;
    TestCatalogue local;
    std::unique_ptr<ExportFileMaker> exported;
    void SetUp() override { exported = std::make_unique<ExportFileMaker>(dir.filePath("e.mdb")); }
    GameDiff compare(int id) { return compareGame(local.db(), exported->db(), id); }
    static QStringList texts(const GameDiff &d)
    {
        QStringList out;
        for (const DiffLine &l : d.lines)
            out << l.text;
        return out;
    }
};

TEST_F(CompareTest, NewGameWhenNoTitleAndFormatMatch)
{
    local.addGame({{"titolo", "Elite"}, {"formato", "Amiga"}});
    const int id = exported->add({{"titolo", "Elite"}, {"formato", "C64"}});
    const GameDiff d = compare(id);
    EXPECT_TRUE(d.found);
    EXPECT_TRUE(d.isNew);
    EXPECT_TRUE(d.lines.isEmpty());
}

TEST_F(CompareTest, FourteenFieldsInOrderWithEmptyMarkers)
{
    local.addGame({{"titolo", "Elite"},
                   {"formato", "C64"},
                   {"sh", "Firebird"},
                   {"year", ""},
                   {"note", "kept"},
                   {"dbver", "Private"},
                   {"df1", "/a.d64"}});
    QVariantMap e{{"titolo", "Elite"},  {"formato", "C64"}, {"sh", "Firebird"}, {"year", "1985"},
                  {"note", QVariant()}, {"dbver", "other"}, {"df1", "/b.d64"}};
    const QStringList columns = {"team",        "tipo",     "design",    "programming",
                                 "graphics",    "music",    "adddesign", "addprogramming",
                                 "addgraphics", "addmusic", "others"};
    for (const QString &c : columns)
        e[c] = c;
    const int id = exported->add(e);
    const GameDiff d = compare(id);
    ASSERT_FALSE(d.isNew);
    EXPECT_EQ(texts(d),
              QStringList({"Team       : EMPTY -> team", "Year       : EMPTY -> 1985",
                           "Genre      : EMPTY -> tipo", "Design     : EMPTY -> design",
                           "Programming: EMPTY -> programming", "Graphics   : EMPTY -> graphics",
                           "Music/Sfx  : EMPTY -> music", "Add. Design: EMPTY -> adddesign",
                           "Add. Progr.: EMPTY -> addprogramming",
                           "Add. Grfx  : EMPTY -> addgraphics", "Add. Music : EMPTY -> addmusic",
                           "Others     : EMPTY -> others", "Note       : kept -> EMPTY"}));
    for (const DiffLine &l : d.lines)
        EXPECT_EQ(l.exportId, id);
}

TEST_F(CompareTest, EqualGameShowsNothingAndNullEqualsEmpty)
{
    local.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Firebird"}, {"team", ""}});
    const int id = exported->add(
        {{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Firebird"}, {"team", QVariant()}});
    const GameDiff d = compare(id);
    EXPECT_FALSE(d.isNew);
    EXPECT_TRUE(d.lines.isEmpty()) << texts(d).join('\n').toStdString();
}

TEST_F(CompareTest, TitlesMatchCaseBlindAndWithQuotes)
{
    local.addGame({{"titolo", "Dragon's Lair \"II\""}, {"formato", "amiga"}, {"sh", "a"}});
    local.addGame({{"titolo", "ÉLITE"}, {"formato", "C64"}, {"sh", "a"}});
    const int quoted =
        exported->add({{"titolo", "DRAGON'S LAIR \"ii\""}, {"formato", "Amiga"}, {"sh", "b"}});
    const int accented = exported->add({{"titolo", "élite"}, {"formato", "C64"}, {"sh", "b"}});
    const int injection =
        exported->add({{"titolo", "x' or '1'='1"}, {"formato", "C64"}, {"sh", "b"}});
    EXPECT_EQ(texts(compare(quoted)), QStringList({"Publisher  : a -> b"}));
    EXPECT_EQ(texts(compare(accented)), QStringList({"Publisher  : a -> b"}));
    EXPECT_TRUE(compare(injection).isNew);
}

TEST_F(CompareTest, SameTitleInTwoFormatsComparesWithItsOwnFormat)
{
    local.addGame({{"titolo", "Turrican"}, {"formato", "C64"}, {"sh", "Rainbow Arts"}});
    local.addGame({{"titolo", "Turrican"}, {"formato", "Amiga"}, {"sh", "Factor 5"}});
    const int c64 = exported->add({{"titolo", "Turrican"}, {"formato", "C64"}, {"sh", "X"}});
    const int amiga = exported->add({{"titolo", "Turrican"}, {"formato", "Amiga"}, {"sh", "X"}});
    EXPECT_EQ(texts(compare(c64)), QStringList({"Publisher  : Rainbow Arts -> X"}));
    EXPECT_EQ(texts(compare(amiga)), QStringList({"Publisher  : Factor 5 -> X"}));
}

TEST_F(CompareTest, UntitledGameMatchesUntitledAndMissingIdIsNotFound)
{
    local.addGame({{"titolo", QVariant()}, {"formato", "C64"}, {"sh", "a"}});
    const int id = exported->add({{"titolo", QVariant()}, {"formato", "C64"}, {"sh", "a"}});
    const GameDiff d = compare(id);
    EXPECT_FALSE(d.isNew);
    EXPECT_TRUE(d.lines.isEmpty());
    const GameDiff missing = compare(id + 100);
    EXPECT_FALSE(missing.found);
    EXPECT_FALSE(missing.isNew);
}

TEST(ExportFilePath, RootGetsTheNameDirectlyOthersASeparator)
{
    EXPECT_EQ(exportFilePath(QDir::rootPath()), QDir::rootPath() + "export.mdb");
    EXPECT_EQ(exportFilePath("/mnt/floppy"), "/mnt/floppy/export.mdb");
    EXPECT_EQ(exportFilePath("/mnt/floppy/"),
              "/mnt/floppy/" + QString(QDir::separator()) + "export.mdb");
}
