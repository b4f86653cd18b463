#include "database.h"
#include "dialect.h"
#include "testcatalogue.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

using catalogue::legacyLike;

TEST(LegacyLike, Wildcards)
{
    EXPECT_TRUE(legacyLike(u"*", u""));
    EXPECT_TRUE(legacyLike(u"*elite*", u"The Elite Collection"));
    EXPECT_FALSE(legacyLike(u"elite", u"The Elite"));
    EXPECT_TRUE(legacyLike(u"?lite", u"Elite"));
    EXPECT_FALSE(legacyLike(u"?lite", u"lite"));
    EXPECT_TRUE(legacyLike(u"19#7", u"1987"));
    EXPECT_FALSE(legacyLike(u"19#7", u"19x7"));
    EXPECT_TRUE(legacyLike(u"[a-c]*", u"Bubble Bobble"));
    EXPECT_FALSE(legacyLike(u"[!a-c]*", u"Bubble Bobble"));
    EXPECT_TRUE(legacyLike(u"[!a-c]*", u"Zak"));
    EXPECT_TRUE(legacyLike(u"[xyz]ak", u"Zak"));
    EXPECT_TRUE(legacyLike(u"*a*b*c", u"xaxxbxxc"));
    EXPECT_FALSE(legacyLike(u"*a*b*c", u"xaxxbxxcx"));
}

// '#' takes each of the ten digits and neither neighbour of the digit range.
TEST(LegacyLike, DigitWildcardTakesEveryDigit)
{
    for (const QChar digit : QStringLiteral("0123456789"))
        EXPECT_TRUE(legacyLike(u"#", QStringView(&digit, 1))) << digit.toLatin1();
    for (const char16_t *other : {u"/", u":", u"", u"12"})
        EXPECT_FALSE(legacyLike(u"#", other)) << QString::fromUtf16(other).toStdString();
}

TEST(LegacyLike, CaseBlindBeyondAscii)
{
    EXPECT_TRUE(legacyLike(u"*ÉTÉ*", u"un été chaud"));
    EXPECT_TRUE(legacyLike(u"straße", u"STRAßE"));
    EXPECT_TRUE(legacyLike(u"ÅNGEST", u"ångest"));
    EXPECT_TRUE(legacyLike(u"[à-ê]", u"É"));
}

TEST(LegacyLike, LiteralsThatLookSpecial)
{
    EXPECT_TRUE(legacyLike(u"*[*", u"a[b")); // unbalanced bracket is literal
    EXPECT_TRUE(legacyLike(u"*'*", u"Rock'n Roll"));
    EXPECT_TRUE(legacyLike(u"*\"*", u"say \"hi\""));
    EXPECT_TRUE(legacyLike(u"*%*", u"100%"));
    EXPECT_FALSE(legacyLike(u"%", u"anything")); // % is no wildcard here
    EXPECT_TRUE(legacyLike(u"a[*]b", u"a*b"));
    EXPECT_FALSE(legacyLike(u"a[*]b", u"axb"));
}

class DialectDb : public ::testing::Test
{
protected:
    TestCatalogue cat;
    QStringList titles(const QString &sql, const QVariantList &params = {})
    {
        QStringList out;
        QSqlQuery q = catalogue::run(cat.db(), sql, params);
        while (q.next())
            out << q.value(0).toString();
        return out;
    }
};

TEST_F(DialectDb, LikeAndEqualityIgnoreCaseOfEveryLetter)
{
    cat.addGame({{"titolo", QStringLiteral("Ébène")}, {"formato", "C64"}});
    cat.addGame({{"titolo", "Zorro"}, {"formato", "c64"}});
    EXPECT_EQ(titles("select titolo from tabella1 where titolo like ?", {"*ÉBÈNE*"}),
              QStringList{QStringLiteral("Ébène")});
    EXPECT_EQ(titles("select titolo from tabella1 where titolo = ?", {QStringLiteral("ÉBÈNE")}),
              QStringList{QStringLiteral("Ébène")});
    EXPECT_EQ(titles("select titolo from tabella1 where formato = ? order by titolo", {"C64"}),
              (QStringList{"Zorro", QStringLiteral("Ébène")})); // folded code point order
}

TEST_F(DialectDb, OrderingIsCaseBlind)
{
    for (const char *t : {"beta", "Alpha", "charlie", "ALPHA2", "Éclair"})
        cat.addGame({{"titolo", QString::fromUtf8(t)}});
    EXPECT_EQ(titles("select titolo from tabella1 order by titolo"),
              (QStringList{"Alpha", "ALPHA2", "beta", "charlie", QStringLiteral("Éclair")}));
}

TEST_F(DialectDb, NullRules)
{
    cat.addGame({{"titolo", "a"}, {"dbver", QVariant()}});
    cat.addGame({{"titolo", "b"}, {"dbver", "Private"}});
    cat.addGame({{"titolo", "c"}, {"dbver", "v1"}});
    cat.addGame({{"titolo", "d"}, {"dbver", ""}});
    EXPECT_EQ(titles("select titolo from tabella1 where dbver <> ? order by titolo", {"Private"}),
              (QStringList{"c", "d"}));
    EXPECT_EQ(titles("select titolo from tabella1 where dbver = ? order by titolo", {"PRIVATE"}),
              QStringList{"b"});
    EXPECT_EQ(titles("select titolo from tabella1 where dbver like ? order by titolo", {"*"}),
              (QStringList{"b", "c", "d"}));
    EXPECT_EQ(titles("select titolo from tabella1 where emul1 <> '' order by titolo"),
              QStringList{});
}

TEST_F(DialectDb, NewestRowIsLastAndColumnNamesIgnoreCase)
{
    const int first = cat.addGame({{"titolo", "first"}});
    cat.db().exec("delete from tabella1");
    const int second = cat.addGame({{"TITOLO", "second"}, {"Year", "1986"}, {"SH", "x"}});
    EXPECT_GT(second, first); // ids are never reused
    EXPECT_EQ(titles("select YEAR from tabella1"), QStringList{"1986"});
    const int third = cat.addGame({{"titolo", "aaa"}});
    QSqlQuery all = catalogue::run(cat.db(), "select * from tabella1");
    QString last;
    while (all.next())
        last = all.value("titolo").toString();
    EXPECT_EQ(last, "aaa");
    EXPECT_GT(third, second);
}

TEST_F(DialectDb, ParametersCarryQuotesAndWildcardsAsText)
{
    cat.addGame({{"titolo", "Rock'n \"Roll\" [100%]"}, {"formato", "C64"}});
    EXPECT_EQ(
        titles("select titolo from tabella1 where titolo = ?", {"rock'n \"roll\" [100%]"}).size(),
        1);
    EXPECT_EQ(titles("select titolo from tabella1 where titolo like ?", {"*'n \"*"}).size(), 1);
    EXPECT_EQ(titles("select titolo from tabella1 where titolo like ?", {"*[100%*"}).size(), 1);
}

// Searching forgives accents; equality and order do not, so no two titles become one game.
TEST_F(DialectDb, SearchIgnoresAccentsButEqualityDoesNot)
{
    for (const char *t : {"Señor Tortuga", "Château Fantôme", "Chateau Plain"})
        cat.addGame({{"titolo", QString::fromUtf8(t)}});
    const struct {
        const char *pattern;
        QStringList found;
    } cases[] = {
        {"*senor*", {"Señor Tortuga"}},
        {"*SEÑOR*", {"Señor Tortuga"}},
        {"*chateau*", {"Château Fantôme", "Chateau Plain"}},
        {"*château f*", {"Château Fantôme"}},
        {"*FANTOME", {"Château Fantôme"}},
        {"ch[a]teau*", {"Château Fantôme", "Chateau Plain"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(titles("select titolo from tabella1 where titolo like ? order by id",
                         {QString::fromUtf8(c.pattern)}),
                  c.found)
            << c.pattern;
    EXPECT_EQ(titles("select titolo from tabella1 where titolo = ?", {"Senor Tortuga"}),
              QStringList{});
    EXPECT_EQ(titles("select titolo from tabella1 where titolo = ?", {"CHÂTEAU PLAIN"}),
              QStringList{});
}
