#include "cancelat.h"
#include "cataloguestore.h"
#include "folderresolver.h"
#include "missingfiles.h"
#include "prefixmapping.h"
#include "relinker.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{

struct MappingCase {
    const char *from;
    const char *path;
    std::optional<QStringList> rest;
};

class PrefixMappingTest : public testing::TestWithParam<MappingCase>
{
};

TEST_P(PrefixMappingTest, TakesTheOldBeginningOffWholeComponents)
{
    const MappingCase &c = GetParam();
    const PrefixMapping mapping(QString::fromUtf8(c.from), QStringLiteral("/new"));
    EXPECT_EQ(mapping.remainder(QString::fromUtf8(c.path)), c.rest);
}

const QStringList kC64Krakout{QStringLiteral("C64"), QStringLiteral("KRAKOUT.D64")};

INSTANTIATE_TEST_SUITE_P(
    Prefixes, PrefixMappingTest,
    testing::Values(
        MappingCase{"C:\\Giochi\\", "C:\\Giochi\\C64\\KRAKOUT.D64", kC64Krakout},
        MappingCase{"C:\\Giochi", "c:/GIOCHI/C64\\KRAKOUT.D64", kC64Krakout},
        MappingCase{"c:/giochi/", "C:\\Giochi\\C64\\KRAKOUT.D64", kC64Krakout},
        MappingCase{"C:\\Giochi", "C:\\Giochi2\\C64\\KRAKOUT.D64", std::nullopt},
        MappingCase{"C:\\Giochi", "D:\\Giochi\\C64\\KRAKOUT.D64", std::nullopt},
        MappingCase{"C:\\Giochi", "C:\\Giochi", std::nullopt},
        MappingCase{"\\\\server\\share", "\\\\SERVER\\Share\\C64\\KRAKOUT.D64", kC64Krakout},
        MappingCase{"\\\\server\\share", "\\server\\share\\C64\\KRAKOUT.D64", std::nullopt},
        MappingCase{"C:\\Città", "c:\\CITTÀ\\C64\\KRAKOUT.D64", kC64Krakout},
        MappingCase{"/media/old", "/media/old/C64/KRAKOUT.D64", kC64Krakout},
        MappingCase{"/media/old/", "/media/OLD/C64/KRAKOUT.D64", std::nullopt},
        MappingCase{"/media/old", "media/old/C64/KRAKOUT.D64", std::nullopt},
        MappingCase{"/media/old", "/elsewhere/C64/KRAKOUT.D64", std::nullopt}));

// A tree whose names differ only in case where the resolution must choose.
class RelinkTree : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *file :
             {"C64/Krakout.d64", "Amiga/Game.adf", "Amiga/game.adf", "Città/Ünïcode.sid",
              "Shots/one.png", "Deep/a/same.d64", "Deep/b/same.d64"})
            writeFile(m_tree.filePath(QString::fromUtf8(file)));
    }
    QString tree(const QString &rest = {}) const
    {
        return rest.isEmpty() ? m_tree.path() : m_tree.filePath(rest);
    }

    QTemporaryDir m_tree;
};

TEST_F(RelinkTree, ResolvesExactFirstThenOneCaseBlindMatch)
{
    struct Case {
        QStringList components;
        QString found; // relative; empty: not found
        bool ambiguous;
    } cases[] = {
        {{QStringLiteral("c64"), QStringLiteral("KRAKOUT.D64")},
         QStringLiteral("C64/Krakout.d64"),
         false},
        {{QStringLiteral("Amiga"), QStringLiteral("game.adf")},
         QStringLiteral("Amiga/game.adf"),
         false},
        {{QStringLiteral("amiga"), QStringLiteral("GAME.ADF")}, {}, true},
        {{QStringLiteral("CITTÀ"), QStringLiteral("ünïcode.SID")},
         QStringLiteral("Città/Ünïcode.sid"),
         false},
        {{QStringLiteral("C64"), QStringLiteral("missing.d64")}, {}, false},
        {{QStringLiteral(".."), QStringLiteral("C64")}, {}, false},
        {{QStringLiteral("LINK"), QStringLiteral("A"), QStringLiteral("Same.D64")},
         QStringLiteral("Link/a/same.d64"),
         false},
    };
    // Listed on demand or ahead (which leaves symbolic links for later), by components or by
    // a joined path.
    ASSERT_TRUE(QFile::link(tree(QStringLiteral("Deep")), tree(QStringLiteral("Link"))));
    FolderResolver lazy, ahead;
    ahead.listAhead(tree());
    for (const Case &c : cases) {
        const std::string name = c.components.join(u'/').toStdString();
        for (const FolderResolver::Found &found :
             {lazy.resolve(tree(), c.components), ahead.resolve(tree(), c.components.join(u'/')),
              ahead.resolve(ahead.root(tree() + u'/'), c.components.join(u'/'))}) {
            EXPECT_EQ(found.path, c.found.isEmpty() ? QString() : tree(c.found)) << name;
            EXPECT_EQ(found.ambiguous, c.ambiguous) << name;
        }
    }
}

class RelinkerTest : public RelinkTree
{
protected:
    void SetUp() override
    {
        RelinkTree::SetUp();
        m_krakout = m_cat.addGame(
            {{QStringLiteral("titolo"), QStringLiteral("Krakout")},
             {QStringLiteral("emul1"), QStringLiteral("C:\\Giochi\\c64\\KRAKOUT.D64")},
             {QStringLiteral("screen1"), QStringLiteral("C:\\Giochi\\shots\\ONE.PNG")},
             {QStringLiteral("song"), QStringLiteral("C:\\Giochi\\c64\\gone.sid")}});
        m_kept =
            m_cat.addGame({{QStringLiteral("titolo"), QStringLiteral("Kept")},
                           {QStringLiteral("emul1"), tree(QStringLiteral("C64/Krakout.d64"))},
                           {QStringLiteral("df1"), QStringLiteral("C:\\Giochi\\amiga\\GAME.ADF")},
                           {QStringLiteral("screen2"), QStringLiteral("D:\\x\\same.d64")}});
        m_cat.setConfig({{QStringLiteral("game64"), QStringLiteral("C:\\Giochi\\C64")}});
    }
    QString stored(int id, const char *column)
    {
        return m_cat.value(id, QString::fromLatin1(column)).toString();
    }

    TestCatalogue m_cat;
    int m_krakout = 0;
    int m_kept = 0;
};

TEST_F(RelinkerTest, AMappedPrefixRelinksTheMissingPathsInOneGo)
{
    CatalogueStore store(m_cat.db());
    ASSERT_TRUE(
        store.setMoreDisks(m_krakout, {QStringLiteral("C:\\Giochi\\Amiga\\game.adf")}).ok());
    Relinker relinker(store);
    const auto report = relinker.relink({{PrefixMapping(QStringLiteral("c:/giochi"), tree())}, {}},
                                        false, Progress::none());
    ASSERT_TRUE(report.ok()) << report.error().toStdString();
    EXPECT_EQ(store.moreDisks(m_krakout).valueOr({}),
              QStringList{tree(QStringLiteral("Amiga/game.adf"))});
    EXPECT_EQ(report->relinked, 4);  // the game file, the picture, the disk and the folder
    EXPECT_EQ(report->ambiguous, 1); // Game.adf and game.adf
    EXPECT_EQ(report->missing, 2);   // gone.sid, and D:\ lies outside the mapping
    EXPECT_EQ(report->changes.size(), 4);
    EXPECT_EQ(stored(m_krakout, "emul1"), tree(QStringLiteral("C64/Krakout.d64")));
    EXPECT_EQ(stored(m_krakout, "screen1"), tree(QStringLiteral("Shots/one.png")));
    EXPECT_EQ(stored(m_krakout, "song"), QStringLiteral("C:\\Giochi\\c64\\gone.sid"));
    EXPECT_EQ(stored(m_kept, "df1"), QStringLiteral("C:\\Giochi\\amiga\\GAME.ADF"));
    EXPECT_EQ(stored(0, "game64"), tree(QStringLiteral("C64")));
}

TEST_F(RelinkerTest, AMappingComesFirstAndTheSearchFindsTheRest)
{
    CatalogueStore store(m_cat.db());
    Relinker relinker(store);
    writeFile(tree(QStringLiteral("Music/Gone.sid")));
    const auto report = relinker.relink(
        {{PrefixMapping(QStringLiteral("C:\\Giochi"), tree())}, tree()}, false, Progress::none());
    ASSERT_TRUE(report.ok()) << report.error().toStdString();
    EXPECT_EQ(stored(m_krakout, "song"), tree(QStringLiteral("Music/Gone.sid")));
    EXPECT_EQ(stored(m_krakout, "emul1"), tree(QStringLiteral("C64/Krakout.d64")));
    EXPECT_EQ(report->relinked, 4);
}

TEST_F(RelinkerTest, ASearchByNameTakesOnlyASingleMatch)
{
    CatalogueStore store(m_cat.db());
    Relinker relinker(store);
    const auto report = relinker.relink({{}, tree()}, false, Progress::none());
    ASSERT_TRUE(report.ok()) << report.error().toStdString();
    EXPECT_EQ(stored(m_krakout, "emul1"), tree(QStringLiteral("C64/Krakout.d64")));
    EXPECT_EQ(stored(m_kept, "screen2"), QStringLiteral("D:\\x\\same.d64")); // two same.d64
    EXPECT_EQ(stored(m_krakout, "song"), QStringLiteral("C:\\Giochi\\c64\\gone.sid"));
    EXPECT_EQ(report->relinked, 3);
    EXPECT_EQ(report->ambiguous, 2);
    EXPECT_EQ(report->missing, 1);
}

TEST_F(RelinkerTest, ADryRunACancelAndABadFolderWriteNothing)
{
    CatalogueStore store(m_cat.db());
    Relinker relinker(store);
    const RelinkPlan plan{{PrefixMapping(QStringLiteral("C:\\Giochi"), tree())}, {}};
    const auto dry = relinker.relink(plan, true, Progress::none());
    ASSERT_TRUE(dry.ok());
    EXPECT_EQ(dry->changes.size(), 3);
    CancelAt cancel(1); // in the write, after the first changes went in
    const auto cancelled = relinker.relink(plan, false, cancel);
    ASSERT_TRUE(cancelled.ok());
    EXPECT_TRUE(cancelled->cancelled);
    const auto bad =
        relinker.relink({{}, tree(QStringLiteral("C64/Krakout.d64"))}, false, Progress::none());
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(stored(m_krakout, "emul1"), QStringLiteral("C:\\Giochi\\c64\\KRAKOUT.D64"));
    EXPECT_EQ(stored(0, "game64"), QStringLiteral("C:\\Giochi\\C64"));
}

TEST(Relinker, SharedPrefixesAreTheMissingPathsCommonFoldersMostCommonFirst)
{
    const QStringList missing{QStringLiteral("C:\\Giochi\\C64\\a.d64"),
                              QStringLiteral("c:\\GIOCHI\\Amiga\\b.adf"),
                              QStringLiteral("C:\\Giochi\\C64\\Shots\\c.png"),
                              QStringLiteral("/media/old/c64/d.d64"),
                              QStringLiteral("/media/old/c64/e.d64"),
                              QStringLiteral("/media/other/f.d64"),
                              QStringLiteral("g.d64")};
    QStringList found;
    for (const Relinker::SharedPrefix &p : Relinker::sharedPrefixes(missing))
        found << QStringLiteral("%1 %2").arg(p.count).arg(p.prefix);
    EXPECT_EQ(found,
              QStringList({QStringLiteral("3 C:\\Giochi\\"), QStringLiteral("2 /media/old/c64/"),
                           QStringLiteral("1 /media/other/")}));
}

TEST_F(RelinkerTest, MissingFilesListsEveryLostPathButTheExistingOnes)
{
    CatalogueStore store(m_cat.db());
    const auto missing = MissingFiles::find(store);
    ASSERT_TRUE(missing.ok());
    QStringList lines;
    for (const MissingFile &m : *missing)
        lines << QStringLiteral("%1|%2|%3|%4").arg(m.game).arg(m.title, m.what, m.path);
    EXPECT_EQ(
        lines,
        QStringList({
            QStringLiteral("%1|Krakout|game file|C:\\Giochi\\c64\\KRAKOUT.D64").arg(m_krakout),
            QStringLiteral("%1|Krakout|music file|C:\\Giochi\\c64\\gone.sid").arg(m_krakout),
            QStringLiteral("%1|Krakout|screenshot 1|C:\\Giochi\\shots\\ONE.PNG").arg(m_krakout),
            QStringLiteral("%1|Kept|drive 2|C:\\Giochi\\amiga\\GAME.ADF").arg(m_kept),
            QStringLiteral("%1|Kept|screenshot 2|D:\\x\\same.d64").arg(m_kept),
            QStringLiteral("0||C64 games folder|C:\\Giochi\\C64"),
        }));
}

} // namespace
