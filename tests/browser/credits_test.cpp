#include "credits.h"

#include <gtest/gtest.h>

using namespace browser;

TEST(Esaminanome, OneBlankAtEachEndAtMost)
{
    auto trimmed = [](QString s) {
        esaminanome(s);
        return s;
    };
    EXPECT_EQ(trimmed(" Rob "), "Rob");
    EXPECT_EQ(trimmed("  Rob  "), " Rob ");
    EXPECT_EQ(trimmed("Rob"), "Rob");
    EXPECT_EQ(trimmed(" "), "");
    EXPECT_EQ(trimmed(""), "");
    EXPECT_EQ(trimmed("\tRob"), "\tRob");
}

TEST(SplitCredits, StoredFormAndItsMistakes)
{
    EXPECT_EQ(splitCredits("Rob Hubbard"), QStringList{"Rob Hubbard"});
    EXPECT_EQ(splitCredits("A, B & C"), (QStringList{"A", "B", "C"}));
    // Without the blank the skipped character is the first letter of the next name.
    EXPECT_EQ(splitCredits("Rob,Ben"), (QStringList{"Rob", "en"}));
    EXPECT_EQ(splitCredits("Rob&Ben"), (QStringList{"Rob", "en"}));
    // Two blanks before a separator: one survives.
    EXPECT_EQ(splitCredits("Rob  , Ben"), (QStringList{"Rob ", "Ben"}));
    // Two blanks after: one is skipped, one trimmed.
    EXPECT_EQ(splitCredits("Rob,  Ben"), (QStringList{"Rob", "Ben"}));
    // An empty name between separators is listed.
    EXPECT_EQ(splitCredits("A, , B"), (QStringList{"A", "", "B"}));
    // The skip swallows a doubled separator.
    EXPECT_EQ(splitCredits("A,,B"), (QStringList{"A", "B"}));
}

TEST(SplitCredits, EdgesNeverReadPastTheEnd)
{
    EXPECT_EQ(splitCredits(""), QStringList{});
    EXPECT_EQ(splitCredits(","), QStringList{""});
    EXPECT_EQ(splitCredits("A,"), QStringList{"A"});
    EXPECT_EQ(splitCredits("A, "), QStringList{"A"});
    EXPECT_EQ(splitCredits("A, B,"), (QStringList{"A", "B"}));
    EXPECT_EQ(splitCredits("A, B, C"), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(splitCredits(" "), QStringList{""});
    EXPECT_EQ(splitCredits("&"), QStringList{""});
    EXPECT_EQ(splitCredits("J\u00f6rg, \u00c9ric"), (QStringList{"J\u00f6rg", "\u00c9ric"}));
}

TEST(CreditEntries, AdditionalBlock)
{
    EXPECT_EQ(creditEntries("A, B", ""), (QStringList{"A", "B"}));
    EXPECT_EQ(creditEntries("A", "C & D"),
              (QStringList{"A", "", "----------- Additional -----------", "C", "D"}));
    // No main names: the list stays empty, whatever the additional column holds.
    EXPECT_EQ(creditEntries("", "C"), QStringList{});
}
