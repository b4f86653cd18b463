#include "cataloguestore.h"
#include "creditnames.h"
#include "headlesslist.h"
#include "mainfixture.h"
#include "startableprograms.h"

#include <QBuffer>

using namespace browser;

TEST(HeadlessList, PrintsTheListOrNothingFound)
{
    TestCatalogue cat;
    const auto add = [&cat](const QString &title, const QString &machine,
                            const QString &gameFile = {}, const QString &musicFile = {},
                            const QString &year = {}, const QString &publisher = {}) {
        return CatalogueStore(cat.db())
            .addGame(game({{F::Title, title},
                           {F::Machine, machine},
                           {F::GameFile, gameFile},
                           {F::MusicFile, musicFile},
                           {F::Year, year},
                           {F::Publisher, publisher}}))
            .value();
    };
    const GameId b = add("Boulder Dash", "C64", "b.d64", {}, "1984", "first Star");
    const GameId a = add("Alien Breed", "Amiga 1.3", {}, "a.mod", "1991", "Team17");
    const GameId u = add("\u00dcber Tetris\t2", "C128");
    const GameId o = add("Other", "Atari", {}, {}, "1984", "");
    // Stored control characters neither forge a line nor reach the terminal.
    const GameId s = add("Se\u00f1or\n1\tforged\x1b[2J", "C64");
    const QString lb = QString("%1\tBoulder Dash\n").arg(b),
                  la = QString("%1\tAlien Breed\n").arg(a),
                  lu = QString("%1\t\u00dcber Tetris\\t2\n").arg(u),
                  ls = QString("%1\tSe\u00f1or\\n1\\tforged\\x1b[2J\n").arg(s),
                  lo = QString("%1\tOther\n").arg(o);
    struct Case {
        ListingRequest request;
        int status;
        QString out, err;
    };
    const auto sorted = [](const char *key) {
        return ListingRequest{false, false, false, false, {}, key};
    };
    const Case cases[] = {
        // Neither machine option, or both: every game, as the window lists them.
        {{}, 0, la + lb + lo + ls + lu, ""},
        {{true, true, false, false, {}, {}}, 0, la + lb + lo + ls + lu, ""},
        {{true, false, true, false, {}, {}}, 0, lb, ""},
        {{false, false, false, false, "senor", {}}, 0, ls, ""}, // accents forgiven
        {{false, false, false, false, "x\x1b", {}}, 1, "", "No record found for x\\x1b\n"},
        {{false, false, false, false, "\u00fcBER", {}}, 0, lu, ""},
        {{false, false, false, false, "zz\"[", {}}, 1, "", "No record found for zz\"[\n"},
        {{true, false, false, true, {}, {}}, 1, "", "No record found for C64, Sound\n"},
        {{false, true, true, false, "dash", {}},
         1,
         "",
         "No record found for dash (Amiga, Playable)\n"},
        // Ties by title, empty values last, letter case aside.
        {sorted("year"), 0, lb + lo + la + ls + lu, ""},
        {sorted("publisher"), 0, lb + la + lo + ls + lu, ""},
        {sorted("machine"), 0, la + lo + lu + lb + ls, ""},
        {sorted("plays"), 0, la + lb + lo + ls + lu, ""}, // nothing played: by title
        {sorted("Year"), 2, "",
         "Unknown sort key: Year (title, year, publisher, machine, genre, played, plays)\n"}};
    for (const Case &c : cases) {
        QBuffer out, err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        EXPECT_EQ(listGames(cat.path(), c.request, out, err), c.status) << c.out.toStdString();
        EXPECT_EQ(out.data(), c.out.toUtf8());
        EXPECT_EQ(err.data(), c.err.toUtf8());
    }
}

TEST(StartablePrograms, NamesWhatCanStartHereByKind)
{
    EXPECT_EQ(startablePrograms({}), QStringList{}); // nothing configured
    QTemporaryDir dir;
    const auto program = [&](const char *name, bool executable = true) {
        return writeFile(dir.filePath(name), "#!/bin/sh\n", executable);
    };
    Configuration config;
    config.ccs64 = program("ccs64.exe", false);
    config.vice = program("x64sc");
    config.c64s = dir.filePath("gone");
    config.pc64 = program("pc64");
    config.uae = program("fs-uae");
    config.fellow = dir.path();
    config.player1 = "sh"; // a bare name: found on PATH
    config.player2 = "no-such-player-on-path";
    EXPECT_EQ(startablePrograms(config),
              (QStringList{"C64: x64sc, pc64", "Amiga: fs-uae", "Music: sh"}));
}

TEST(CreditNames, SplittingKeepsTheStoredFormsMistakesAndNeverReadsPastTheEnd)
{
    // "input>names|joined" (no ">": no names). Without the blank after a separator the skipped
    // character is the next name's first letter; of two blanks before one, one survives.
    for (const QString &c : QString("Rob Hubbard>Rob Hubbard;A, B & C>A|B|C;Rob,Ben>Rob|en;"
                                    "Rob  , Ben>Rob |Ben;Rob,  Ben>Rob|Ben;A, , B>A||B;A,,B>A|B;;"
                                    ",>;A, >A; >;J\u00f6rg, \u00c9ric>J\u00f6rg|\u00c9ric")
                                .split(';'))
        EXPECT_EQ(splitCredits(c.section('>', 0, 0)),
                  c.contains('>') ? c.section('>', 1).split('|') : QStringList{})
            << c.toStdString();
    // No main names: the list stays empty, whatever the additional column holds.
    EXPECT_EQ(creditEntries("", "C"), QStringList{});
}
