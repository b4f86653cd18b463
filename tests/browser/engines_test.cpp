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
                            const QString &gameFile = {}, const QString &musicFile = {}) {
        return CatalogueStore(cat.db())
            .addGame(game({{F::Title, title},
                           {F::Machine, machine},
                           {F::GameFile, gameFile},
                           {F::MusicFile, musicFile}}))
            .value();
    };
    const GameId b = add("Boulder Dash", "C64", "b.d64");
    const GameId a = add("Alien Breed", "Amiga 1.3", {}, "a.mod");
    const GameId u = add("\u00dcber Tetris\t2", "C128");
    const GameId o = add("Other", "Atari");
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
    const Case cases[] = {
        // Neither machine option, or both: every game, as the window lists them.
        {{}, 0, la + lb + lo + ls + lu, ""},
        {{true, true, false, false, {}}, 0, la + lb + lo + ls + lu, ""},
        {{true, false, true, false, {}}, 0, lb, ""},
        {{false, false, false, false, "senor"}, 0, ls, ""}, // accents forgiven
        {{false, false, false, false, "x\x1b"}, 1, "", "No record found for x\\x1b\n"},
        {{false, false, false, false, "\u00fcBER"}, 0, lu, ""},
        {{false, false, false, false, "zz\"["}, 1, "", "No record found for zz\"[\n"},
        {{true, false, false, true, {}}, 1, "", "No record found for C64, Sound\n"},
        {{false, true, true, false, "dash"},
         1,
         "",
         "No record found for dash (Amiga, Playable)\n"}};
    for (const Case &c : cases) {
        QBuffer out, err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        EXPECT_EQ(listGames(cat.path(), c.request, out, err), c.status) << c.out.toStdString();
        EXPECT_EQ(out.data(), c.out.toUtf8());
        EXPECT_EQ(err.data(), c.err.toUtf8());
    }
}

TEST(GameListModel, ReadsTheMachinesOfTheEntriesDrawnOnly)
{
    GameListModel model;
    QList<QList<GameId>> asked;
    model.setMachineReader([&](const QList<GameId> &ids) {
        asked << ids;
        QHash<GameId, QString> machines;
        for (GameId id : ids)
            if (id != 7) // a game deleted meanwhile
                machines.insert(id, QString("M%1").arg(id));
        return machines;
    });
    QList<GameSummary> rows;
    for (int id = 1; id <= 1000; ++id)
        rows.append({.id = id, .title = "T"});
    model.setRows(rows);
    const auto machine = [&](int row) {
        return model.index(row).data(GameListModel::MachineRole).toString();
    };
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(machine(500), "M501");
    EXPECT_EQ(machine(520), "M521"); // read with the entry before it
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(machine(6), "");
    EXPECT_EQ(model.index(6).data(Qt::ToolTipRole).toString(), "T");
    EXPECT_EQ(model.index(0).data(Qt::ToolTipRole).toString(), "T (M1)");
    EXPECT_EQ(asked.size(), 2);
    for (const QList<GameId> &block : asked)
        EXPECT_LE(block.size(), 64);
    model.setRows(rows); // a new list may hold changed machines
    EXPECT_EQ(machine(500), "M501");
    EXPECT_EQ(asked.size(), 3);
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
