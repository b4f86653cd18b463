#include "creditnames.h"
#include "gamecommands.h"
#include "headlesslist.h"
#include "listquery.h"
#include "mainfixture.h"
#include "startableprograms.h"

#include <QBuffer>

using namespace browser;

namespace
{

QList<int> run(TestCatalogue &cat, const ListFilter &f, const QString &search = {})
{
    const SqlClause s = search.isEmpty() ? SqlClause{} : searchClause(search);
    const ListResult r = fetchList(cat.db(), filterClause(f), s);
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    QList<int> out;
    for (const ListRow &row : r.rows)
        out << row.id;
    return out;
}

} // namespace

TEST(ListQuery, MachineFamiliesAndFiles)
{
    TestCatalogue cat;
    const int c64 = cat.addGame(rec("titolo=A c64|formato=C64|emul1=a.d64"));
    const int c128 = cat.addGame(rec("titolo=B c128|formato=c128|song=b.sid"));
    const int am = cat.addGame(rec("titolo=C amiga|formato=Amiga|emul1="));
    const int am13 = cat.addGame(rec("titolo=D|formato=Amiga 1.3|song="));
    const int am2 = cat.addGame(rec("titolo=E|formato=Amiga 2.x|emul1=e.adf|song=e.mod"));
    const int am3 = cat.addGame(rec("titolo=F|formato=Amiga 3.x"));
    cat.addGame(rec("titolo=G spectrum|formato=Spectrum|emul1=g.tap"));
    cat.addGame(rec("titolo=H no format|emul1=h"));
    EXPECT_EQ(run(cat, {true, false, false, false}), (QList<int>{c64, c128}));
    EXPECT_EQ(run(cat, {false, true, false, false}), (QList<int>{am, am13, am2, am3}));
    // In the window both machines reach every code, also none of the six.
    EXPECT_EQ(run(cat, {true, true, false, false, true}).size(), 8);
    // Null and empty both count as "no file".
    EXPECT_EQ(run(cat, {true, true, true, false}), (QList<int>{c64, am2}));
    EXPECT_EQ(run(cat, {true, true, false, true}), (QList<int>{c128, am2}));
    QString error;
    EXPECT_FALSE(filterHasRows(cat.db(), filterClause({true, false, true, true}), &error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_FALSE(filterHasRows(QSqlDatabase(), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ListQuery, SortedAsTheCatalogueSortsWithDuplicatesKept)
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
    // Equal titles keep their stored order, each with its own id.
    QList<ListRow> rows{{5, "b"}, {1, "A"}, {7, ""}, {3, "a"}, {2, "B"}, {4, QString()}};
    sortByTitle(rows);
    QList<int> ids;
    for (const ListRow &row : rows)
        ids << row.id;
    EXPECT_EQ(ids, (QList<int>{4, 7, 1, 3, 5, 2}));
    EXPECT_TRUE(rows.first().title.isNull());
}

TEST(ListQuery, SearchAcrossColumnsWithBoundText)
{
    TestCatalogue cat;
    const int giana = cat.addGame(rec("titolo=Great Giana Sisters|formato=C64|"
                                      "programming=Armin Gessert|music=Chris Huelsbeck"));
    const int turrican =
        cat.addGame(rec("titolo=Turrican|formato=Amiga|music=CHRIS Huelsbeck|year=1990"));
    cat.addGame(rec("titolo=Noted|formato=C64|note=huelsbeck only here"));
    QList<int> ids;
    for (const char *title : {"Say \"Hi\"", "Rock'n Roll", "Disk [1"})
        ids << cat.addGame({{"titolo", title}, {"formato", "C64"}});
    const int quote = ids[0], apos = ids[1], bracket = ids[2];
    const std::pair<const char *, QList<int>> cases[] = {
        {"huelsbeck", {giana, turrican}}, // case-blind; note is not searched
        {"chris+1990", {turrican}},       // parts in different columns
        {"+1990", {turrican}},            // empty first part: any game with a value somewhere
        {"great+giana+sisters", {}},      // three parts: "giana+sisters" is one text
        {"\"hi\"", {quote}},
        {"rock'n", {apos}},
        {"[1", {bracket}}, // unbalanced: literal
        {"[lr]o", {apos}},
        {"'; drop table tabella1; --", {}}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(run(cat, {}, text), expected) << text;
    EXPECT_EQ(cat.count(), 6);
}

TEST(HeadlessList, PrintsTheListOrNothingFound)
{
    TestCatalogue cat;
    const int b = cat.addGame(rec("titolo=Boulder Dash|formato=C64|emul1=b.d64"));
    const int a = cat.addGame(rec("titolo=Alien Breed|formato=Amiga 1.3|song=a.mod"));
    const int u = cat.addGame(rec("titolo=\u00dcber Tetris\t2|formato=C128"));
    const int o = cat.addGame(rec("titolo=Other|formato=Atari"));
    // Stored control characters neither forge a line nor reach the terminal.
    const int s = cat.addGame(rec("titolo=Se\u00f1or\n1\tforged\x1b[2J|formato=C64"));
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
    QList<QList<int>> asked;
    model.setMachineReader([&](const QList<int> &ids) {
        asked << ids;
        QHash<int, QString> machines;
        for (int id : ids)
            if (id != 7) // a game deleted meanwhile
                machines.insert(id, QString("M%1").arg(id));
        return machines;
    });
    QList<ListRow> rows;
    for (int id = 1; id <= 1000; ++id)
        rows.append({id, "T"});
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
    for (const QList<int> &block : asked)
        EXPECT_LE(block.size(), 64);
    model.setRows(rows); // a new list may hold changed machines
    EXPECT_EQ(machine(500), "M501");
    EXPECT_EQ(asked.size(), 3);
}

TEST(StartablePrograms, NamesWhatCanStartHereByKind)
{
    TestCatalogue cat;
    EXPECT_EQ(startablePrograms(cat.db()), QStringList{}); // no configuration record
    QTemporaryDir dir;
    const auto program = [&](const char *name, bool executable = true) {
        return writeFile(dir.filePath(name), "#!/bin/sh\n", executable);
    };
    cat.setConfig({{"ccs64", program("ccs64.exe", false)},
                   {"vice", program("x64sc")},
                   {"c64s", dir.filePath("gone")},
                   {"pc64", program("pc64")},
                   {"uae", program("fs-uae")},
                   {"fellow", dir.path()},
                   {"player1", "sh"}, // a bare name: found on PATH
                   {"player2", "no-such-player-on-path"}});
    EXPECT_EQ(startablePrograms(cat.db()),
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

TEST(GameCommands, DeleteGameRemovesExactlyThatGameOrReports)
{
    TestCatalogue c;
    const int a = c.addGame({{"titolo", "A"}, {"formato", "C64"}});
    const int b = c.addGame({{"titolo", "B' or 1=1 --"}, {"formato", "C64"}});
    QString error;
    EXPECT_TRUE(deleteGame(c.db(), b, &error)) << error.toStdString();
    for (int id : {b, a + b, 0}) // missing games: an error, nothing deleted
        EXPECT_FALSE(deleteGame(c.db(), id, &error)) << id;
    EXPECT_EQ(c.count(), 1);

    // A refused delete keeps the row and leaves no transaction open.
    EXPECT_TRUE(catalogue::run(c.db(), "create trigger keep before delete on tabella1 "
                                       "begin select raise(abort, 'kept by a rule'); end"));
    EXPECT_FALSE(deleteGame(c.db(), a, &error));
    EXPECT_TRUE(error.contains("kept by a rule")) << error.toStdString();
    EXPECT_EQ(c.count(), 1);
}
