#include "gamename.h"
#include "widgettest.h"

#include <gtest/gtest.h>

namespace
{

struct NameCase {
    const char *file;
    const char *title;
    const char *year;
    const char *publisher;
    int disk;
    int diskCount;
    const char *side;
    const char *tags;    // joined by "|"
    const char *flags;   // joined by "|"
    const char *machine; // for the extension after the last dot
};

class GameNameTest : public testing::TestWithParam<NameCase>
{
};

TEST_P(GameNameTest, ReadsTitleYearPublisherDiskAndTags)
{
    const NameCase &c = GetParam();
    const QString file = QString::fromUtf8(c.file);
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    const GameName name = GameName::parse(file.left(dot));
    EXPECT_EQ(name.title, QString::fromUtf8(c.title));
    EXPECT_EQ(name.year, QString::fromUtf8(c.year));
    EXPECT_EQ(name.publisher, QString::fromUtf8(c.publisher));
    EXPECT_EQ(name.disk, c.disk);
    EXPECT_EQ(name.diskCount, c.diskCount);
    EXPECT_EQ(name.side, QString::fromUtf8(c.side));
    EXPECT_EQ(name.tags.join(u'|'), QString::fromUtf8(c.tags));
    EXPECT_EQ(name.flags.join(u'|'), QString::fromUtf8(c.flags));
    EXPECT_EQ(name.machine(file.mid(dot + 1)), QString::fromUtf8(c.machine));
}

INSTANTIATE_TEST_SUITE_P(
    Names, GameNameTest,
    testing::Values(
        NameCase{"Krakout (1987)(Gremlin Graphics).d64", "Krakout", "1987", "Gremlin Graphics", 0,
                 0, "", "", "", "C64"},
        NameCase{"Great Escape, The (1986)(Ocean).t64", "The Great Escape", "1986", "Ocean", 0, 0,
                 "", "", "", "C64"},
        NameCase{"Last Ninja 2 - Back with a Vengeance (1988)(System 3)(Disk 1 of 2).d64",
                 "Last Ninja 2 - Back with a Vengeance", "1988", "System 3", 1, 2, "", "", "",
                 "C64"},
        NameCase{"Maniac Mansion (1987)(Lucasfilm Games)(Side A).d64", "Maniac Mansion", "1987",
                 "Lucasfilm Games", 0, 0, "A", "", "", "C64"},
        NameCase{"Zak McKracken and the Alien Mindbenders (1988)(Lucasfilm Games)(Disk 1 of "
                 "2)(Side A).d64",
                 "Zak McKracken and the Alien Mindbenders", "1988", "Lucasfilm Games", 1, 2, "A",
                 "", "", "C64"},
        NameCase{"Ultima V - Warriors of Destiny (1988)(Origin Systems)(Disk 2 of 4 Side B).d64",
                 "Ultima V - Warriors of Destiny", "1988", "Origin Systems", 2, 4, "B", "", "",
                 "C64"},
        NameCase{"Turrican (1990)(Rainbow Arts)[cr Triad].d64", "Turrican", "1990", "Rainbow Arts",
                 0, 0, "", "", "cr Triad", "C64"},
        NameCase{"Elite (1985)(Firebird)[!].g64", "Elite", "1985", "Firebird", 0, 0, "", "", "!",
                 "C64"},
        NameCase{"Paradroid (19xx)(Hewson).prg", "Paradroid", "", "Hewson", 0, 0, "", "", "",
                 "C64"},
        NameCase{"Uridium (198x)(-).p00", "Uridium", "", "", 0, 0, "", "", "", "C64"},
        NameCase{"Unknown Game (-)(-).tap", "Unknown Game", "", "", 0, 0, "", "", "", "C64"},
        NameCase{"Wizball (1987-05)(Ocean).crt", "Wizball", "1987", "Ocean", 0, 0, "", "", "",
                 "C64"},
        NameCase{"Boulder Dash (1984-11-02)(First Star)(US).d64", "Boulder Dash", "1984",
                 "First Star", 0, 0, "", "US", "", "C64"},
        NameCase{"Giana Sisters (1987)(Rainbow Arts)(de).d64", "Giana Sisters", "1987",
                 "Rainbow Arts", 0, 0, "", "de", "", "C64"},
        NameCase{"Test Drive (demo) (1987)(Accolade).d64", "Test Drive", "1987", "Accolade", 0, 0,
                 "", "demo", "", "C64"},
        NameCase{"Mega Apocalypse (1987)(Martech)(C128).d64", "Mega Apocalypse", "1987", "Martech",
                 0, 0, "", "C128", "", "C128"},
        NameCase{"Shadow of the Beast (1989)(Psygnosis)(Disk 1 of 2)(OCS).adf",
                 "Shadow of the Beast", "1989", "Psygnosis", 1, 2, "", "OCS", "", "Amiga 1.3"},
        NameCase{"Lotus Turbo Challenge 2 (1991)(Gremlin)(Disk 1 of 2)(ECS).adf",
                 "Lotus Turbo Challenge 2", "1991", "Gremlin", 1, 2, "", "ECS", "", "Amiga 2.x"},
        NameCase{"Alien Breed 3D (1995)(Team17)(Disk 1 of 12)(AGA).adz", "Alien Breed 3D", "1995",
                 "Team17", 1, 12, "", "AGA", "", "Amiga 3.x"},
        NameCase{"Alien Breed 3D (1995)(Team17)(Disk 12 of 12)(AGA).adf", "Alien Breed 3D", "1995",
                 "Team17", 12, 12, "", "AGA", "", "Amiga 3.x"},
        NameCase{"Monkey Island 2 - LeChuck's Revenge (1992)(LucasArts)(Disk 11 of 11)[cr SR].adf",
                 "Monkey Island 2 - LeChuck's Revenge", "1992", "LucasArts", 11, 11, "", "",
                 "cr SR", "Amiga"},
        NameCase{"Defender of the Crown (1987)(Cinemaware)(PAL)(Disk 1 of 2)[a].adf",
                 "Defender of the Crown", "1987", "Cinemaware", 1, 2, "", "PAL", "a", "Amiga"},
        NameCase{"Pinball Dreams (1992)(21st Century)(Disk 1 of 2)[cr CSL][t +2].dms",
                 "Pinball Dreams", "1992", "21st Century", 1, 2, "", "", "cr CSL|t +2", "Amiga"},
        NameCase{"Speedball 2 - Brutal Deluxe (1990)(Bitmap Brothers).ipf",
                 "Speedball 2 - Brutal Deluxe", "1990", "Bitmap Brothers", 0, 0, "", "", "",
                 "Amiga"},
        NameCase{"Speedball_2.adf", "Speedball 2", "", "", 0, 0, "", "", "", "Amiga"},
        NameCase{"Title - Disk 2.adf", "Title", "", "", 2, 0, "", "", "", "Amiga"},
        NameCase{"Title_Disk2.adf", "Title", "", "", 2, 0, "", "", "", "Amiga"},
        NameCase{"Another World Disk 1 of 3.adf", "Another World", "", "", 1, 3, "", "", "",
                 "Amiga"},
        NameCase{"Another World-Disk3.ADF", "Another World", "", "", 3, 0, "", "", "", "Amiga"},
        NameCase{"Disk Doctor.d64", "Disk Doctor", "", "", 0, 0, "", "", "", "C64"},
        NameCase{"Disk 2.d64", "Disk 2", "", "", 0, 0, "", "", "", "C64"},
        NameCase{"R-Type (1988)(Electric Dreams).t64", "R-Type", "1988", "Electric Dreams", 0, 0,
                 "", "", "", "C64"},
        NameCase{"Bard's Tale, The - Tales of the Unknown (1985)(Electronic Arts).d64",
                 "Bard's Tale, The - Tales of the Unknown", "1985", "Electronic Arts", 0, 0, "", "",
                 "", "C64"},
        NameCase{"Château Fantôme (1989)(Loriciel)(fr).d64", "Château Fantôme", "1989", "Loriciel",
                 0, 0, "", "fr", "", "C64"},
        NameCase{"Katakis (1988)(Rainbow Arts)(Side B)[h Fairlight].d64", "Katakis", "1988",
                 "Rainbow Arts", 0, 0, "B", "", "h Fairlight", "C64"},
        NameCase{"Armalyte (1988)(Thalamus)(Tape 1 of 2).tap", "Armalyte", "1988", "Thalamus", 0, 0,
                 "", "Tape 1 of 2", "", "C64"},
        NameCase{"Rick Dangerous (1989)(Firebird)(Disc 2 of 2).adf", "Rick Dangerous", "1989",
                 "Firebird", 2, 2, "", "", "", "Amiga"},
        NameCase{"IK+ (1987)(System 3)(PAL)(en)[cr Hotline][t +3 Remember].d64", "IK+", "1987",
                 "System 3", 0, 0, "", "PAL|en", "cr Hotline|t +3 Remember", "C64"},
        NameCase{"Readme (1990)(Someone).txt", "Readme", "1990", "Someone", 0, 0, "", "", "", ""}));

TEST(GameName, DisksOfOneSetShareAKeyAndTitlesMatchBlindToCaseAccentsAndPunctuation)
{
    const auto key = [](const char *name) {
        return GameName::parse(QString::fromUtf8(name)).setKey();
    };
    EXPECT_EQ(key("Ultima V (1988)(Origin)(Disk 1 of 4)(Side A)"),
              key("Ultima V (1988)(Origin)(Disk 3 of 4)(Side B)"));
    EXPECT_NE(key("Ultima V (1988)(Origin)(Disk 1 of 4)"),
              key("Ultima V (1988)(Origin)(de)(Disk 2 of 4)"));
    EXPECT_NE(key("Ultima V (1988)(Origin)"), key("Ultima V (1989)(Origin)"));
    EXPECT_EQ(GameName::matchKey(QStringLiteral("Château Fantôme")),
              GameName::matchKey(QStringLiteral("chateau-fantome")));
    EXPECT_NE(GameName::matchKey(QStringLiteral("Elite")),
              GameName::matchKey(QStringLiteral("Elite 2")));
}

} // namespace
