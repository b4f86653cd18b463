#include "database.h"
#include "dialect.h"
#include "listquery.h"
#include "testcatalogue.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace browser;

namespace
{

QList<int> ids(const ListResult &r)
{
    QList<int> out;
    for (const ListRow &row : r.rows)
        out << row.id;
    return out;
}

QList<int> run(TestCatalogue &cat, const ListFilter &f, const QString &search = {})
{
    const SqlClause s = search.isEmpty() ? SqlClause{} : searchClause(search);
    const ListResult r = fetchList(cat.db(), filterClause(f), s);
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    return ids(r);
}

} // namespace

TEST(FilterClause, ShapesOfTheFourBoxes)
{
    const QString c64 = " [formato]='C64' or [formato]='C128'";
    const QString amiga = " [formato]='Amiga 1.3' or [formato]='Amiga 2.x' or "
                          "[formato]='Amiga 3.x' or [formato]='Amiga'";
    EXPECT_EQ(filterClause({true, false, false, false}), c64);
    EXPECT_EQ(filterClause({false, true, false, false}), amiga);
    EXPECT_EQ(filterClause({true, true, false, false}), "(" + c64 + ") or (" + amiga + ")");
    EXPECT_EQ(filterClause({false, false, false, false}), QString());
    EXPECT_EQ(filterClause({false, false, true, false}), "emul1<>''");
    EXPECT_EQ(filterClause({false, false, false, true}), "song<>''");
    // Sound wraps Playable, which wraps the machine part.
    EXPECT_EQ(filterClause({true, false, true, true}),
              "((" + c64 + ") and emul1<>'') and song<>''");
    EXPECT_EQ(filterClause({false, false, true, true}), "(emul1<>'') and song<>''");
}

TEST(Cerca2, SplitsAtTheFirstPlus)
{
    QString a, b;
    cerca2("giana", a, b);
    EXPECT_EQ(a, "giana");
    EXPECT_EQ(b, "");
    cerca2("giana+sisters", a, b);
    EXPECT_EQ(a, "giana");
    EXPECT_EQ(b, "sisters");
    cerca2("+sisters", a, b);
    EXPECT_EQ(a, "");
    EXPECT_EQ(b, "sisters");
    cerca2("giana+", a, b);
    EXPECT_EQ(a, "giana");
    EXPECT_EQ(b, "");
    cerca2("a+b+c", a, b);
    EXPECT_EQ(a, "a");
    EXPECT_EQ(b, "b+c");
    cerca2("", a, b);
    EXPECT_EQ(a, "");
    EXPECT_EQ(b, "");
}

TEST(SearchClause, SeventeenColumnsInOrderWithBoundPatterns)
{
    const QStringList expected{"titolo",   "sh",     "programming", "graphics",    "music",
                               "design",   "team",   "adddesign",   "addgraphics", "addprogramming",
                               "addmusic", "voto",   "emulator",    "others",      "year",
                               "tipo",     "formato"};
    EXPECT_EQ(searchColumns(), expected);
    EXPECT_FALSE(searchColumns().contains("note"));

    const SqlClause one = searchClause("it's \"x\"");
    QStringList terms;
    for (const QString &c : expected)
        terms << "[" + c + "] like ?";
    EXPECT_EQ(one.sql, terms.join(" or "));
    ASSERT_EQ(one.params.size(), 17);
    for (const QVariant &p : one.params)
        EXPECT_EQ(p.toString(), "*it's \"x\"*");

    const SqlClause two = searchClause("a+b+c");
    EXPECT_EQ(two.sql, "(" + terms.join(" or ") + ") AND (" + terms.join(" or ") + ")");
    ASSERT_EQ(two.params.size(), 34);
    EXPECT_EQ(two.params.at(0).toString(), "*a*");
    EXPECT_EQ(two.params.at(16).toString(), "*a*");
    EXPECT_EQ(two.params.at(17).toString(), "*b+c*");

    // A trailing "+" leaves the second part empty: the whole text is one search.
    const SqlClause trailing = searchClause("a+");
    EXPECT_EQ(trailing.params.size(), 17);
    EXPECT_EQ(trailing.params.at(0).toString(), "*a+*");
}

TEST(ListQuery, JoinsFilterAndSearch)
{
    EXPECT_EQ(listQuery("f", {}).sql, "select id, titolo from tabella1 where (f) order by titolo");
    const SqlClause s{"[titolo] like ?", {"*x*"}};
    const SqlClause q = listQuery("f", s);
    EXPECT_EQ(q.sql,
              "select id, titolo from tabella1 where (f) AND ([titolo] like ?) order by titolo");
    EXPECT_EQ(q.params, QVariantList{"*x*"});
    EXPECT_EQ(listQuery({}, s).sql,
              "select id, titolo from tabella1 where ([titolo] like ?) order by titolo");
    EXPECT_EQ(listQuery({}, {}).sql, "select id, titolo from tabella1 order by titolo");
}

TEST(ListQuery, MachineFamiliesAndFiles)
{
    TestCatalogue cat;
    const int c64 = cat.addGame({{"titolo", "A c64"}, {"formato", "C64"}, {"emul1", "a.d64"}});
    const int c128 = cat.addGame({{"titolo", "B c128"}, {"formato", "c128"}, {"song", "b.sid"}});
    const int am = cat.addGame({{"titolo", "C amiga"}, {"formato", "Amiga"}, {"emul1", ""}});
    const int am13 = cat.addGame({{"titolo", "D"}, {"formato", "Amiga 1.3"}, {"song", ""}});
    const int am2 = cat.addGame(
        {{"titolo", "E"}, {"formato", "Amiga 2.x"}, {"emul1", "e.adf"}, {"song", "e.mod"}});
    const int am3 = cat.addGame({{"titolo", "F"}, {"formato", "Amiga 3.x"}});
    cat.addGame({{"titolo", "G spectrum"}, {"formato", "Spectrum"}, {"emul1", "g.tap"}});
    cat.addGame({{"titolo", "H no format"}, {"emul1", "h"}});

    EXPECT_EQ(run(cat, {true, false, false, false}), (QList<int>{c64, c128}));
    EXPECT_EQ(run(cat, {false, true, false, false}), (QList<int>{am, am13, am2, am3}));
    EXPECT_EQ(run(cat, {true, true, false, false}), (QList<int>{c64, c128, am, am13, am2, am3}));
    // Null and empty both count as "no file".
    EXPECT_EQ(run(cat, {true, true, true, false}), (QList<int>{c64, am2}));
    EXPECT_EQ(run(cat, {true, true, false, true}), (QList<int>{c128, am2}));
    EXPECT_EQ(run(cat, {true, true, true, true}), (QList<int>{am2}));
    QString error;
    EXPECT_TRUE(filterHasRows(cat.db(), filterClause({true, false, true, false}), &error));
    EXPECT_FALSE(filterHasRows(cat.db(), filterClause({true, false, true, true}), &error));
    EXPECT_TRUE(error.isEmpty());
}

TEST(ListQuery, OrderedByTitleWithDuplicatesKept)
{
    TestCatalogue cat;
    const int z = cat.addGame({{"titolo", "zork"}, {"formato", "C64"}});
    const int a1 = cat.addGame({{"titolo", "Ant"}, {"formato", "C64"}});
    const int b = cat.addGame({{"titolo", "bug"}, {"formato", "Amiga"}});
    const int a2 = cat.addGame({{"titolo", "Ant"}, {"formato", "Amiga"}});
    const ListResult r = fetchList(cat.db(), filterClause({}), {});
    ASSERT_EQ(r.rows.size(), 4);
    // Equal titles keep their own ids, in whichever order.
    EXPECT_EQ(r.rows.at(0).titolo, "Ant");
    EXPECT_EQ(r.rows.at(1).titolo, "Ant");
    EXPECT_EQ((QSet<int>{r.rows.at(0).id, r.rows.at(1).id}), (QSet<int>{a1, a2}));
    EXPECT_EQ(r.rows.at(2).id, b);
    EXPECT_EQ(r.rows.at(3).id, z);
}

TEST(ListQuery, SortedHereAsTheCatalogueSortsTitles)
{
    TestCatalogue cat;
    const QStringList titles{"\u00c9lite", "eagle",    "Zed",        "\u00e9mile 2",
                             "\u00c4rger", "apple",    "ARGON",      "\u00df-Team",
                             "10 Great",   "1942",     "\u0394elta", "delta",
                             "",           "  spaced", "Ölfass"};
    for (const QString &t : titles)
        cat.addGame({{"titolo", t}, {"formato", "C64"}});
    cat.addGame({{"formato", "C64"}}); // Null title
    const ListResult bySql = fetchList(cat.db(), listQuery(filterClause({}), {}));
    const ListResult byHere = fetchList(cat.db(), filterClause({}), {});
    ASSERT_TRUE(bySql.ok());
    ASSERT_TRUE(byHere.ok());
    EXPECT_EQ(byHere.rows, bySql.rows);

    // Equal titles keep their stored order.
    QList<ListRow> rows{{5, "b"}, {1, "A"}, {7, ""}, {3, "a"}, {2, "B"}, {4, QString()}};
    sortByTitle(rows);
    EXPECT_EQ(rows,
              (QList<ListRow>{{4, QString()}, {7, ""}, {1, "A"}, {3, "a"}, {5, "b"}, {2, "B"}}));
    EXPECT_TRUE(rows.first().titolo.isNull());
}

TEST(ListQuery, SearchAcrossColumns)
{
    TestCatalogue cat;
    const int giana = cat.addGame({{"titolo", "Great Giana Sisters"},
                                   {"formato", "C64"},
                                   {"programming", "Armin Gessert"},
                                   {"music", "Chris Huelsbeck"}});
    const int turrican = cat.addGame({{"titolo", "Turrican"},
                                      {"formato", "Amiga"},
                                      {"music", "CHRIS Huelsbeck"},
                                      {"year", "1990"}});
    const int noted =
        cat.addGame({{"titolo", "Noted"}, {"formato", "C64"}, {"note", "huelsbeck only here"}});
    const int voto = cat.addGame({{"titolo", "Voted"},
                                  {"formato", "C64"},
                                  {"voto", "zebra"},
                                  {"emulator", "quagga"},
                                  {"others", "okapi"}});
    Q_UNUSED(noted);
    const ListFilter all{true, true, false, false};

    EXPECT_EQ(run(cat, all, "huelsbeck"), (QList<int>{giana, turrican})); // case-blind, not note
    EXPECT_EQ(run(cat, all, "gessert+1990"), (QList<int>{}));
    EXPECT_EQ(run(cat, all, "chris+1990"), (QList<int>{turrican})); // parts in different columns
    EXPECT_EQ(run(cat, all, "zebra"), (QList<int>{voto}));
    EXPECT_EQ(run(cat, all, "quagga+okapi"), (QList<int>{voto}));
    EXPECT_EQ(run(cat, all, "amiga"), (QList<int>{turrican})); // formato is searched
    // Leading "+": the empty first part matches any game with a value in some column.
    EXPECT_EQ(run(cat, all, "+1990"), (QList<int>{turrican}));
    // Trailing "+": searched literally, plus sign included.
    EXPECT_EQ(run(cat, all, "turrican+"), (QList<int>{}));
    // Three parts: the first, then "b+c" as one text.
    EXPECT_EQ(run(cat, all, "great+giana+sisters"), (QList<int>{}));
    EXPECT_EQ(run(cat, all, "c64+giana sisters"), (QList<int>{giana}));
}

TEST(ListQuery, UserTextIsBoundAndWildcardsStillAct)
{
    TestCatalogue cat;
    const int quote = cat.addGame({{"titolo", "Say \"Hi\""}, {"formato", "C64"}});
    const int apos = cat.addGame({{"titolo", "Rock'n Roll"}, {"formato", "C64"}});
    const int bracket = cat.addGame({{"titolo", "Disk [1"}, {"formato", "C64"}});
    const int digits = cat.addGame({{"titolo", "Level 42"}, {"formato", "C64"}});
    const int pct = cat.addGame({{"titolo", "100% Pure"}, {"formato", "C64"}});
    const ListFilter all;

    EXPECT_EQ(run(cat, all, "\"hi\""), (QList<int>{quote}));
    EXPECT_EQ(run(cat, all, "rock'n"), (QList<int>{apos}));
    EXPECT_EQ(run(cat, all, "[1"), (QList<int>{bracket})); // unbalanced: literal
    EXPECT_EQ(run(cat, all, "level ##"), (QList<int>{digits}));
    EXPECT_EQ(run(cat, all, "l?vel"), (QList<int>{digits}));
    EXPECT_EQ(run(cat, all, "[lr]o"), (QList<int>{apos}));
    EXPECT_EQ(run(cat, all, "0%"), (QList<int>{pct}));
    EXPECT_EQ(run(cat, all, "'; drop table tabella1; --"), (QList<int>{}));
    EXPECT_EQ(cat.count(), 5);
}

TEST(ListQuery, SearchTermsMatchLikeTheDialect)
{
    // The search terms take the quick path for ASCII texts; every text and pattern must
    // give what the wildcard language says.
    TestCatalogue cat;
    const QStringList texts{
        "Turrican II",        "turrican",    "",      "TURRICAN 2", "Tur\u00efrican",
        "\u00dcber Turrican", "Rock'n Roll", "a*b?c", "x\u00e9y",   "Level 42"};
    const QStringList words{"",       "turrican",  "URR",    "rican 2", "n R", "*", "?",    "4#",
                            "[r]ock", "\u00fcber", "\u00c9", "b?c",     "a*b", "[", "l 42x"};
    for (const QString &text : texts)
        for (const QString &word : words) {
            const QString pattern = "*" + word + "*";
            const auto r = catalogue::fetchOne(cat.db(), "select ? like ?", {text, pattern});
            ASSERT_TRUE(r);
            EXPECT_EQ(r->value(0).toBool(), catalogue::legacyLike(pattern, text))
                << text.toStdString() << " / " << pattern.toStdString();
        }
}

TEST(ListQuery, ReportsFailures)
{
    TestCatalogue cat;
    const ListResult r = fetchList(cat.db(), {"select id, titolo from nowhere", {}});
    EXPECT_FALSE(r.ok());
    QString error;
    EXPECT_FALSE(filterHasRows(QSqlDatabase(), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}
