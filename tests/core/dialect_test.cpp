#include "database.h"
#include "dialect.h"
#include "testcatalogue.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

#include <random>
#include <vector>

using catalogue::legacyLike;

// Wildcards, case beyond ASCII, and literals that look special. A ligature is searched as
// its letters, also by "?"; equality keeps it (DialectDb below). '#' takes each of the ten
// digits and neither neighbour of the digit range.
TEST(LegacyLike, Patterns)
{
    for (const QChar digit : QStringLiteral("0123456789"))
        EXPECT_TRUE(legacyLike(u"#", QStringView(&digit, 1))) << digit.toLatin1();
    const struct {
        const char16_t *pattern;
        const char16_t *text;
        bool found;
    } cases[] = {
        {u"*", u"", true},
        {u"*elite*", u"The Elite Collection", true},
        {u"elite", u"The Elite", false},
        {u"?lite", u"Elite", true},
        {u"?lite", u"lite", false},
        {u"#", u"/", false},
        {u"#", u":", false},
        {u"#", u"", false},
        {u"#", u"12", false},
        {u"19#7", u"1987", true},
        {u"19#7", u"19x7", false},
        {u"[a-c]*", u"Bubble Bobble", true},
        {u"[!a-c]*", u"Bubble Bobble", false},
        {u"[!a-c]*", u"Zak", true},
        {u"[xyz]ak", u"Zak", true},
        {u"*a*b*c", u"xaxxbxxc", true},
        {u"*a*b*c", u"xaxxbxxcx", false},
        {u"*ÉTÉ*", u"un été chaud", true},
        {u"straße", u"STRAßE", true},
        {u"ÅNGEST", u"ångest", true},
        {u"[à-ê]", u"É", true},
        {u"*[*", u"a[b", true}, // an unbalanced bracket is literal
        {u"*'*", u"Rock'n Roll", true},
        {u"*\"*", u"say \"hi\"", true},
        {u"*%*", u"100%", true},
        {u"%", u"anything", false}, // % is no wildcard here
        {u"a[*]b", u"a*b", true},
        {u"a[*]b", u"axb", false},
        {u"*coeur*", u"Cœur Crypt", true},
        {u"*CŒUR*", u"coeur", true},
        {u"*aesop*", u"ÆSOP", true},
        {u"*ǽ*", u"AE", true}, // an accented ligature
        {u"strasse", u"Straße", true},
        {u"*STRASSE*", u"STRAẞE", true},
        {u"*final*", u"ﬁnal ﬂight", true},
        {u"*ﬂ*", u"FLIGHT", true},
        {u"ijssel*", u"Ĳssel", true},
        {u"[œ]", u"OE", true},
        {u"c??ur", u"Cœur", true},
        {u"c?ur", u"Cœur", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(legacyLike(c.pattern, c.text), c.found)
            << QString::fromUtf16(c.pattern).toStdString() << " / "
            << QString::fromUtf16(c.text).toStdString();
}

// The searches that once backtracked for minutes (bench_core times them): every place in a
// long run of one letter starts a partial match.
TEST(LegacyLike, LongPatternsOverLongTexts)
{
    const QString run(100000, u'a');
    const QString skipping = u'*' + QStringLiteral("a?").repeated(20000) + u"b*";
    const QString sets = u'*' + QStringLiteral("[a]").repeated(10000) + u"c*";
    const QString wide = u'*' + QStringLiteral("[ab]").repeated(70) + u"c*"; // two words of bits
    const QString letters = u'*' + QString(150, u'a') + u"b*";               // three words
    const QString broken = QString(149, u'a') + u'c'; // every partial match ends here
    const struct {
        QString pattern;
        QString text;
        bool found;
    } cases[] = {
        {skipping, run, false},
        {skipping, run.left(99999) + u'b', true},
        {skipping, u'b' + run, false},
        {sets, run, false},
        {sets, run + u'c', true},
        {sets, QString(9999, u'a') + u'c', false},
        {wide, QStringLiteral("ab").repeated(35) + u'c', true},
        {wide, QStringLiteral("ab").repeated(34) + u"ac", false},
        {wide, QStringLiteral("ab").repeated(35) + u"xc", false},
        {letters, broken + QString(150, u'a') + u'b', true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(legacyLike(c.pattern, c.text), c.found)
            << c.pattern.left(12).toStdString() << " in " << c.text.size() << " letters";
    // Every partial match ends at once, then new ones grow: none of the old may come back.
    for (int more = 0; more < 150; ++more)
        EXPECT_FALSE(legacyLike(letters, QString(broken + QString(more, u'a') + u'b'))) << more;
}

namespace
{

// Whether pattern ("*", "?" and letters only) matches text, by dynamic programming: slow,
// but plainly right.
bool plainMatch(const QString &pattern, const QString &text)
{
    std::vector<char> reach(size_t(text.size()) + 1, 0); // the pattern so far matches text.left(j)
    reach[0] = 1;
    for (const QChar p : pattern) {
        std::vector<char> next(reach.size(), 0);
        for (size_t j = 0; j < reach.size(); ++j)
            next[j] = p == u'*' ? reach[j] || (j > 0 && next[j - 1])
                                : j > 0 && reach[j - 1] && (p == u'?' || p == text[j - 1]);
        reach = std::move(next);
    }
    return reach.back();
}

} // namespace

// Patterns with segments of one to several 64-bit words of tokens, against texts made from
// them, one letter changed in every other text.
TEST(LegacyLike, AgreesWithAPlainMatcher)
{
    std::mt19937 random(2024);
    auto letter = [&random] { return random() % 2 ? u'a' : u'b'; };
    for (int round = 0; round < 2000; ++round) {
        const unsigned starEvery = 2 + random() % 100;
        QString pattern, text;
        for (unsigned i = random() % 200; i > 0; --i) {
            const unsigned kind = random() % starEvery;
            pattern += kind == 0 ? u'*' : kind == 1 ? u'?' : letter();
        }
        for (const QChar p : pattern)
            if (p == u'*')
                for (unsigned n = random() % 4; n > 0; --n)
                    text += letter();
            else
                text += p == u'?' ? letter() : p;
        if (round % 2 && !text.isEmpty()) {
            const qsizetype at = qsizetype(random() % unsigned(text.size()));
            text[at] = text[at] == u'a' ? u'b' : u'a';
        }
        ASSERT_EQ(legacyLike(pattern, text), plainMatch(pattern, text))
            << pattern.toStdString() << " / " << text.toStdString();
    }
}

class DialectDb : public ::testing::Test
{
protected:
    TestCatalogue cat;
    // The titles of the games where condition holds.
    QStringList where(const QString &condition, const QVariantList &params = {})
    {
        QStringList out;
        QSqlQuery q =
            catalogue::run(cat.db(), "select titolo from tabella1 where " + condition, params)
                .valueOr(QSqlQuery());
        EXPECT_TRUE(q.isActive()) << condition.toStdString();
        while (q.next())
            out << q.value(0).toString();
        return out;
    }
};

TEST_F(DialectDb, EqualityAndOrderingIgnoreCaseOfEveryLetter)
{
    cat.addGame({{"titolo", QStringLiteral("Ébène")}, {"formato", "C64"}});
    cat.addGame({{"titolo", "Zorro"}, {"formato", "c64"}});
    for (const char *t : {"beta", "Alpha", "charlie", "ALPHA2", "Éclair"})
        cat.addGame({{"titolo", QString::fromUtf8(t)}});
    EXPECT_EQ(where("titolo = ?", {QStringLiteral("ÉBÈNE")}), QStringList{QStringLiteral("Ébène")});
    EXPECT_EQ(where("formato = ? order by titolo", {"C64"}),
              (QStringList{"Zorro", QStringLiteral("Ébène")})); // folded code point order
    EXPECT_EQ(where("1 order by titolo"),
              (QStringList{"Alpha", "ALPHA2", "beta", "charlie", "Zorro", QStringLiteral("Ébène"),
                           QStringLiteral("Éclair")}));
}

TEST_F(DialectDb, NullRules)
{
    const QVariant versions[] = {QVariant(), "Private", "v1", ""};
    for (int i = 0; i < 4; ++i)
        cat.addGame({{"titolo", QString(QChar(u'a' + i))}, {"dbver", versions[i]}});
    EXPECT_EQ(where("dbver <> ? order by titolo", {"Private"}), (QStringList{"c", "d"}));
    EXPECT_EQ(where("dbver = ? order by titolo", {"PRIVATE"}), QStringList{"b"});
    EXPECT_EQ(where("dbver like ? order by titolo", {"*"}), (QStringList{"b", "c", "d"}));
    EXPECT_EQ(where("emul1 <> '' order by titolo"), QStringList{});
}

TEST_F(DialectDb, NewestRowIsLastAndColumnNamesIgnoreCase)
{
    const int first = cat.addGame({{"titolo", "first"}});
    cat.db().exec("delete from tabella1");
    const int second = cat.addGame({{"TITOLO", "second"}, {"Year", "1986"}, {"SH", "x"}});
    EXPECT_GT(second, first); // ids are never reused
    EXPECT_EQ(where("YEAR = ?", {"1986"}), QStringList{"second"});
    const int third = cat.addGame({{"titolo", "aaa"}});
    QSqlQuery all = catalogue::run(cat.db(), "select * from tabella1").valueOr(QSqlQuery());
    QString last;
    while (all.next())
        last = all.value("titolo").toString();
    EXPECT_EQ(last, "aaa");
    EXPECT_GT(third, second);
}

// Searching forgives accents and ligatures; equality and order do not, so no two titles
// become one game. Parameters carry quotes and wildcards as text.
TEST_F(DialectDb, SearchIgnoresAccentsAndLigaturesButEqualityDoesNot)
{
    const char *rock = "Rock'n \"Roll\" [100%]";
    for (const char *t : {"Señor Tortuga", "Château Fantôme", "Chateau Plain", "Cœur Crypt", rock})
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
        {"*coeur*", {"Cœur Crypt"}},
        {"*CŒUR C*", {"Cœur Crypt"}},
        {"*'n \"*", {rock}},
        {"*[100%*", {rock}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(where("titolo like ? order by id", {QString::fromUtf8(c.pattern)}), c.found)
            << c.pattern;
    EXPECT_EQ(where("titolo = ?", {"Senor Tortuga"}), QStringList{});
    EXPECT_EQ(where("titolo = ?", {"CHÂTEAU PLAIN"}), QStringList{});
    EXPECT_EQ(where("titolo = ?", {"Coeur Crypt"}), QStringList{});
    EXPECT_EQ(where("titolo = ?", {"rock'n \"roll\" [100%]"}), QStringList{rock});
}

// A statement binds a pattern to each term: every call must still match its own. likeany
// searches its values together, never across two of them.
TEST_F(DialectDb, EachTermMatchesItsOwnPattern)
{
    cat.addGame({{"titolo", "Alpha"}, {"sh", "Ocean"}});
    cat.addGame({{"titolo", "Beta"}, {"sh", "Alpha"}});
    cat.addGame({{"titolo", QStringLiteral("Señor")}, {"sh", "Zeta"}});
    const QString longAlpha = QString(300, u'*') + QStringLiteral("alpha*");
    const struct {
        const char *sql;
        QVariantList patterns;
        QStringList found;
    } cases[] = {
        {"titolo like ? or sh like ?", {"*ocean*", "*alp*"}, {"Beta"}},
        {"titolo like ? and sh like ?", {"*alp*", "*ocean*"}, {"Alpha"}},
        {"titolo like ? or sh like ?", {longAlpha, "*beta*"}, {"Alpha"}},
        // likeany(p, a, b) is "a like p or b like p" in one call.
        {"likeany(?, titolo, sh)", {"*ocean*"}, {"Alpha"}},
        {"likeany(?, titolo, sh)", {"*ÁLP*"}, {"Alpha", "Beta"}},
        {"likeany(?, dbver, note)", {"*"}, {}},
        {"likeany(?, titolo, sh)", {"*aoc*"}, {}},
        {"likeany(?, sh, titolo)", {"*senor*"}, {QStringLiteral("Señor")}},
        {"likeany(?, titolo, sh)", {"*rz*"}, {}},
        {"likeany(?, titolo) or likeany(?, sh)", {"*beta*", longAlpha}, {"Beta"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(where(QStringLiteral("%1 order by id").arg(QLatin1String(c.sql)), c.patterns),
                  c.found)
            << c.sql << ' ' << c.patterns.first().toString().right(8).toStdString();
}
