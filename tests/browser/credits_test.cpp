#include "credits.h"

#include <gtest/gtest.h>

using namespace browser;

TEST(Credits, EsaminanomeTrimsOneBlankAtEachEndAtMost)
{
    const std::pair<const char *, const char *> cases[] = {{" Rob ", "Rob"}, {"  Rob  ", " Rob "},
                                                           {"Rob", "Rob"},   {" ", ""},
                                                           {"", ""},         {"\tRob", "\tRob"}};
    for (const auto &[in, out] : cases) {
        QString s = in;
        esaminanome(s);
        EXPECT_EQ(s, out) << in;
    }
}

TEST(Credits, SplittingKeepsTheStoredFormsMistakesAndNeverReadsPastTheEnd)
{
    const std::pair<const char *, QStringList> cases[] = {
        {"Rob Hubbard", {"Rob Hubbard"}},
        {"A, B & C", {"A", "B", "C"}},
        // Without the blank the skipped character is the first letter of the next name.
        {"Rob,Ben", {"Rob", "en"}},
        {"Rob&Ben", {"Rob", "en"}},
        {"Rob  , Ben", {"Rob ", "Ben"}}, // two blanks before a separator: one survives
        {"Rob,  Ben", {"Rob", "Ben"}},   // two after: one skipped, one trimmed
        {"A, , B", {"A", "", "B"}},      // an empty name between separators is listed
        {"A,,B", {"A", "B"}},            // the skip swallows a doubled separator
        {"", {}},
        {",", {""}},
        {"A,", {"A"}},
        {"A, ", {"A"}},
        {"A, B,", {"A", "B"}},
        {" ", {""}},
        {"&", {""}},
        {"J\u00f6rg, \u00c9ric", {"J\u00f6rg", "\u00c9ric"}}};
    for (const auto &[in, out] : cases)
        EXPECT_EQ(splitCredits(QString::fromUtf8(in)), out) << in;

    EXPECT_EQ(creditEntries("A, B", ""), (QStringList{"A", "B"}));
    EXPECT_EQ(creditEntries("A", "C & D"),
              (QStringList{"A", "", "----------- Additional -----------", "C", "D"}));
    // No main names: the list stays empty, whatever the additional column holds.
    EXPECT_EQ(creditEntries("", "C"), QStringList{});
}
