#include "choosermodes.h"
#include "editorrules.h"
#include "fieldcodes.h"

#include <gtest/gtest.h>

using editorrules::PickButton;

TEST(EditorRules, MachineTextDecidesFamilyDiskButtonAndQuestion)
{
    EXPECT_EQ(editorrules::machineList(),
              (QStringList{"Amiga 1.3", "Amiga 2.x", "Amiga 3.x", "C64", "C128"}));
    EXPECT_TRUE(editorrules::isC64Family("C128"));
    EXPECT_TRUE(editorrules::isC64Family("Commodore"));
    EXPECT_FALSE(editorrules::isC64Family("Amiga"));
    EXPECT_FALSE(editorrules::isC64Family(""));

    for (const char *m : {"Amiga", "Amiga 1.3", "Amiga 3.x"})
        EXPECT_TRUE(editorrules::showsDiskButton(m)) << m;
    EXPECT_FALSE(editorrules::showsDiskButton("Amig"));
    EXPECT_FALSE(editorrules::showsDiskButton("C64"));

    EXPECT_TRUE(editorrules::asksOtherDrives("Amiga"));
    EXPECT_FALSE(editorrules::asksOtherDrives("Amiga 1.3"));
    EXPECT_FALSE(editorrules::asksOtherDrives("Amiga "));
}

TEST(EditorRules, PickStartDirectoryFollowsTheFirstCharacter)
{
    EXPECT_EQ(editorrules::startColumn(PickButton::Game, "C128"), "game64");
    EXPECT_EQ(editorrules::startColumn(PickButton::DF3, "Amiga 1.3"), "gameamiga");
    EXPECT_EQ(editorrules::startColumn(PickButton::Screen2, "C64"), "screen64");
    EXPECT_EQ(editorrules::startColumn(PickButton::Screen1, ""), "screenamiga");
    EXPECT_EQ(editorrules::startColumn(PickButton::Music, "Amiga"), "musicamiga");
    EXPECT_EQ(editorrules::pickRequest(PickButton::DF2).mode, "game");
    EXPECT_EQ(editorrules::pickRequest(PickButton::DF2).slot, 2);
    EXPECT_EQ(editorrules::pickRequest(PickButton::Music).slot, -1);
}

TEST(EditorRules, TitleAndMachineAreRequired)
{
    EXPECT_TRUE(editorrules::lacksTitleOrMachine("", "C64"));
    EXPECT_TRUE(editorrules::lacksTitleOrMachine("Elite", ""));
    EXPECT_TRUE(editorrules::lacksTitleOrMachine("   ", "C64"));
    EXPECT_FALSE(editorrules::lacksTitleOrMachine("Elite", "Amiga"));
}

TEST(FieldCodes, PairsWriteBothBoxesSinglesOne)
{
    const FieldCode *mu = findFieldCode("mu");
    ASSERT_TRUE(mu);
    EXPECT_TRUE(mu->isPair());
    const QVariantMap both = mu->values("Rob Hubbard", "");
    EXPECT_EQ(both.keys(), (QStringList{"addmusic", "music"}));
    EXPECT_TRUE(both.value("addmusic").isNull());

    const FieldCode *ye = findFieldCode("ye");
    ASSERT_TRUE(ye);
    EXPECT_FALSE(ye->isPair());
    EXPECT_EQ(ye->values("1987", "ignored").keys(), QStringList{"year"});
    EXPECT_EQ(findFieldCode("pu")->field1, "sh");

    EXPECT_EQ(findFieldCode("xx"), nullptr);
    EXPECT_EQ(findFieldCode(""), nullptr);
    EXPECT_EQ(findFieldCode("MU"), nullptr);
}

TEST(ChooserModes, FirstMatchingWordWinsAndUnknownWordsKeepTheDesign)
{
    EXPECT_EQ(chooserMode("player2").caption, "Select executable for Sound Player");
    EXPECT_TRUE(chooserMode("mds2").caption.isEmpty()) << "the designed caption stays";
    const ChooserMode odd = chooserMode("GAME");
    EXPECT_FALSE(odd.known);
    EXPECT_FALSE(odd.opensInStartdir);
    EXPECT_EQ(odd.store, ChooserStore::None);
}

TEST(ChooserModes, DiskSeriesAndAmigaFormats)
{
    EXPECT_EQ(gameDiskColumn(0), "emul1");
    EXPECT_EQ(gameDiskColumn(3), "df3");
    EXPECT_TRUE(gameDiskColumn(kMaxGameDisks).isEmpty());
    EXPECT_TRUE(gameDiskColumn(-1).isEmpty());
    EXPECT_TRUE(offersOtherDisk("Amiga 2.x"));
    EXPECT_TRUE(offersOtherDisk("Amiga"));
    EXPECT_FALSE(offersOtherDisk("C64"));
    EXPECT_FALSE(offersOtherDisk(""));
    EXPECT_EQ(storeColumn(ChooserStore::Song), "song");
    EXPECT_TRUE(storeColumn(ChooserStore::None).isEmpty());
}
