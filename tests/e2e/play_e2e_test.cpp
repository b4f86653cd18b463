// `vantrel --play` and `--play-music`: what they print, start and answer, run as a process.
#include "adfwriter.h"
#include "cataloguestore.h"
#include "d64writer.h"
#include "musicfiles.h"
#include "shortpath.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace
{

struct Ran {
    int code = -1;
    QStringList out;
    QString err; // the first line
};

class PlayCommand : public testing::Test
{
protected:
    void SetUp() override
    {
        x64sc = copyFake("vice/x64sc");
        winuae = copyFake("uae/winuae");
        player = copyFake("players/sidplayer");
        writeFile(at("uae/configurations/a.uae"), "floppy0=\n");
        writeFile(at("uae/configurations/b.uae"), "cpu_type=68020\nfloppy0=\n");
        image =
            writeFile(at("games/ninja.d64"),
                      sampledata::writeD64("NINJA", "01", {{"INTRO", "i"}, {"NINJA", "n"}}).bytes);
        for (const char *name : {"games/w1.adf", "games/w2.adf"})
            disks << writeFile(at(name), sampledata::writeAdf("W", {{"d", "x"}}).bytes);
        // Three subtunes, the second the start one, two lengths known in an HVSC copy.
        const QByteArray tones = sampledata::makeTonePsid({7493, 14985, 3746}, 2);
        const QString song = writeFile(at("music/tune.sid"), tones);
        writeFile(at("DOCUMENTS/Songlengths.md5"),
                  "[Database]\n" +
                      QCryptographicHash::hash(tones, QCryptographicHash::Md5).toHex() +
                      "=0:01 1:02.500\n");
        catalogue.setConfig(
            {{"vice", x64sc}, {"uae", winuae}, {"player1", player}, {"ccs64", at("gone/ccs64")}});
        c64 = catalogue.addGame(
            {{"titolo", "Ninja"}, {"formato", "C64"}, {"emul1", image}, {"song", song}});
        amiga = catalogue.addGame(
            {{"titolo", "W"}, {"formato", "Amiga 2.x"}, {"emul1", disks[0]}, {"df1", disks[1]}});
        noFile = catalogue.addGame({{"titolo", "None"}, {"formato", "C64"}});
        gone = catalogue.addGame({{"titolo", "Gone"}, {"formato", "C64"}, {"emul1", at("x.d64")}});
        split = catalogue.addGame({{"titolo", "Split"},
                                   {"formato", "Amiga"},
                                   {"emul1", writeFile(at("games/w\n1.adf"))}});
    }

    QString at(const QString &name) const { return root.filePath(name); }
    QString copyFake(const QString &name)
    {
        QDir().mkpath(QFileInfo(at(name)).path());
        EXPECT_TRUE(QFile::copy(FAKE_EMULATOR, at(name)));
        return at(name);
    }
    // session: the session has a runtime folder of the user's (XDG_RUNTIME_DIR).
    Ran vantrel(const QStringList &arguments, bool session = true)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", at("home"));
        env.insert("TMPDIR", at("tmp"));
        env.insert("FAKE_EMULATOR_OUT", at("fake.out"));
        env.remove("XDG_RUNTIME_DIR");
        if (session)
            env.insert("XDG_RUNTIME_DIR", at("run"));
        QDir().mkpath(at("tmp"));
        QDir().mkdir(at("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(VANTREL, QStringList{"--catalogue", catalogue.path()} + arguments);
        if (!process.waitForFinished(30000))
            process.kill();
        return {process.exitCode(),
                QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                QString::fromUtf8(process.readAllStandardError()).section('\n', 0, 0)};
    }
    QStringList play(int id, QStringList more) { return more << "--play" << QString::number(id); }
    // A zip of one entry, written by Python's zipfile as a collector's tool would.
    QString zip(const QString &name, const QString &entry, const QByteArray &content)
    {
        const QString source = writeFile(at(name + ".entry"), content);
        EXPECT_EQ(
            QProcess::execute("python3", {"-c",
                                          "import sys,zipfile\nzipfile.ZipFile(sys.argv[1],'w')"
                                          ".write(sys.argv[2],sys.argv[3])",
                                          at(name), source, entry}),
            0);
        return at(name);
    }

    QTemporaryDir root;
    TestCatalogue catalogue;
    QString x64sc, winuae, player, image;
    QStringList disks;
    int c64 = 0, amiga = 0, noFile = 0, gone = 0, split = 0;
};

} // namespace

TEST_F(PlayCommand, DryRunsPrintTheProgramAndEachArgument)
{
    const QString config = at("run/vantrel/vantrel.uae");
    using Case = std::pair<QStringList, QStringList>;
    const Case cases[] = {
        // VICE's autostart takes "<image>:<name>" as one argument.
        {play(c64, {"--with", "vice", "--entry", "1", "--dry-run"}),
         {x64sc, shortPath(image) + ":ninja"}},
        {play(amiga, {"--template", "b.uae", "--dry-run"}), {winuae, "-f", config}},
        {{"--play-music", QString::number(c64), "--dry-run"}, {player, at("music/tune.sid")}},
    };
    for (const auto &[arguments, printed] : cases) {
        const Ran run = vantrel(arguments);
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, printed) << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(readFile(config), QByteArray("cpu_type=68020\r\nfloppy0=" + disks[0].toUtf8() +
                                           "\r\nfloppy1=" + disks[1].toUtf8() +
                                           "\r\ndiskimage0=" + disks[0].toUtf8() +
                                           "\r\ndiskimage1=" + disks[1].toUtf8() + "\r\n"));
    EXPECT_EQ(vantrel({"--list", "--recent"}).err, "No record found for Recently played")
        << "a dry run is no play";
}

// A zipped disk 1 is taken out into the private folder; VICE gets the whole set in a
// fliplist there, a zipped ADF reaches the drive, and a climbing entry refuses the start.
TEST_F(PlayCommand, SetsAndArchivesReachTheEmulatorFromThePrivateFolder)
{
    const QByteArray d64 = readFile(image);
    const QString zipped = zip("games/set.zip", "s.d64", d64);
    const int set = catalogue.addGame({{"titolo", "Set"}, {"formato", "C64"}, {"emul1", zipped}});
    const QString side2 = writeFile(at("games/side 2.d64"), d64);
    ASSERT_TRUE(CatalogueStore(catalogue.db()).setMoreDisks(set, {image, zipped, side2}).ok());
    const QString adfZip = zip("games/a.zip", "a.adf", readFile(disks[0]));
    const int adf = catalogue.addGame({{"titolo", "A"}, {"formato", "Amiga"}, {"emul1", adfZip}});
    const QString climbs = zip("games/c.zip", "../../x.d64", d64);
    const int bad = catalogue.addGame({{"titolo", "C"}, {"formato", "C64"}, {"emul1", climbs}});

    // Taken-out images are named by the archive and a hash of its path.
    auto out = [&](const QString &zip, const char *name) {
        const QByteArray hash = QCryptographicHash::hash(zip.toUtf8(), QCryptographicHash::Sha1);
        return at("run/vantrel/" + QString(name).arg(QString::fromLatin1(hash.toHex().left(8))));
    };
    const QString taken = out(zipped, "set-%1-0.d64");
    const Ran vice = vantrel(play(set, {"--with", "vice", "--dry-run"}));
    EXPECT_EQ(vice.out, (QStringList{x64sc, "-flipname", at("run/vantrel/vantrel.vfl"), taken}));
    EXPECT_EQ(readFile(taken), d64);
    EXPECT_EQ(readFile(at("run/vantrel/vantrel.vfl")),
              "# Vice fliplist file\nUNIT 8\n" +
                  (QStringList{taken, image, side2}.join('\n') + '\n').toUtf8());
    EXPECT_EQ(QFileInfo(at("run/vantrel")).permissions() & 0x0077, 0);
    EXPECT_EQ(vantrel(play(set, {"--with", "vice", "--dry-run"}), false)
                  .out.value(2)
                  .left(at("tmp/vantrel-").size()),
              at("tmp/vantrel-"));

    EXPECT_EQ(vantrel(play(adf, {"--template", "a.uae", "--dry-run"})).code, 0);
    EXPECT_EQ(readFile(at("run/vantrel/vantrel.uae")),
              "floppy0=" + out(adfZip, "a-%1-0.adf").toUtf8() + "\r\n");
    EXPECT_EQ(readFile(out(adfZip, "a-%1-0.adf")), readFile(disks[0]));
    const Ran refused = vantrel(play(bad, {"--with", "vice", "--dry-run"}));
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, climbs + " holds an entry named ../../x.d64, outside its folder.");
}

// The built-in engine from a terminal: the tune's lines, a WAV of the subtune's length, and
// exit 1 with no file left for what cannot be rendered.
TEST_F(PlayCommand, BuiltInMusicPrintsAndRenders)
{
    const QString id = QString::number(c64), wav = at("out.wav"), tune = at("music/tune.sid");
    EXPECT_EQ(vantrel({"--music-info", id}).out,
              QStringList({"title: Tones", "author: ", "released: ", "subtunes: 3", "start: 2",
                           "length 1: 0:01", "length 2: 1:02"}));
    const QString damaged = QString::number(
        catalogue.addGame({{"formato", "C64"}, {"song", writeFile(at("music/bad.sid"), "PSID")}}));
    const QString missing =
        QString::number(catalogue.addGame({{"formato", "C64"}, {"song", at("music/gone.sid")}}));
    using Case = std::tuple<QStringList, int, QString>;
    const Case cases[] = {
        {{"--play-music", id, "--render", wav, "--subtune", "1"}, 0, ""},
        {{"--play-music", id, "--render", wav, "--subtune", "4"},
         1,
         tune + " has no subtune 4: it has 3"},
        {{"--play-music", damaged, "--render", wav},
         1,
         at("music/bad.sid") + " cannot be played: it is not a SID tune or it is damaged (its "
                               "header is wrong)"},
        {{"--play-music", missing, "--render", wav},
         1,
         at("music/gone.sid") + " cannot be read: no such file"},
        {{"--play-music", QString::number(noFile), "--render", wav},
         1,
         "No song configured for this game"},
        {{"--play-music", id, "--subtune", "9"}, 1, tune + " has no subtune 9: it has 3"},
        {{"--music-info", id, "--subtune", "x"},
         2,
         "--music-info and --play-music take a game id, --subtune and --seconds a number"},
    };
    for (const auto &[arguments, code, message] : cases) {
        const Ran run = vantrel(arguments);
        EXPECT_EQ(run.code, code) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(QFileInfo(wav).size(), code == 0 ? 44 + 44100 * 4 : 0);
        QFile::remove(wav);
    }
}

TEST_F(PlayCommand, StartsTheEmulatorWithTheEntryAsOneArgument)
{
    EXPECT_EQ(vantrel(play(c64, {"--with", "vice", "--entry", "1"})).code, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return readFile(at("fake.out")).endsWith("--end--\n"); }));
    EXPECT_EQ(readFile(at("fake.out")), shortPath(image).toUtf8() + ":ninja\n--end--\n");
    // The start counts as a play; the favourites are set from the terminal too.
    const QString line = QString("%1\tNinja").arg(c64), id = QString::number(c64);
    using Case = std::tuple<QStringList, int, QStringList, QString>;
    const Case cases[] = {
        {{"--list", "--recent"}, 0, {line}, ""},
        {{"--list", "--favourites"}, 1, {}, "No record found for Favourites"},
        {{"--set-favourite", id, "yes"}, 0, {}, ""},
        {{"--list", "--favourites", "--recent", "--c64"}, 0, {line}, ""},
        {{"--set-favourite", "9999", "yes"}, 1, {}, "No such game"},
        {{"--set-favourite", id, "maybe"},
         1,
         {},
         "vantrel: --set-favourite takes a game id, then yes or no."},
        {{"--set-favourite", id, "no"}, 0, {}, ""},
        {{"--list", "--favourites"}, 1, {}, "No record found for Favourites"},
    };
    for (const auto &[arguments, code, out, err] : cases) {
        const Ran run = vantrel(arguments);
        EXPECT_EQ(run.code, code) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, out) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, err) << arguments.join(' ').toStdString();
    }
}

TEST_F(PlayCommand, RefusalsSayWhyAndExitWithTheirCode)
{
    const QString id = QString::number(c64);
    using Case = std::tuple<QStringList, int, QString>;
    const Case cases[] = {
        {play(9999, {}), 1, "No such game"},
        {play(noFile, {}), 1, "No file selected for this game"},
        {play(gone, {"--with", "vice"}), 1, "The game file " + at("x.d64") + " is missing."},
        {play(c64, {}), 1, "The program " + at("gone/ccs64") + " does not exist."},
        {play(amiga, {"--with", "fellow"}), 1, "No WinFellow executable is configured."},
        {{"--play-music", id, "--with", "2"}, 1, "NO SOUND PLAYERS CONFIGURED"},
        {play(c64, {"--with", "uae"}), 2, "--with takes one of: ccs64, vice, c64s, pc64"},
        {play(amiga, {"--template", "c.uae"}), 2,
         "No template c.uae in " + at("uae/configurations")},
        {play(split, {}), 1,
         "The disk path " + at("games/w\\n1.adf") +
             " holds a line break, which an emulator configuration cannot carry."},
        {play(c64, {"--with", "vice", "--entry", "2"}), 2, "--entry 2: the image lists 2 entries"},
        {{"--play", "x"}, 2, "--play takes a game id, --entry a number"},
        {{"--play-music", id, "--with", "3"}, 2, "--with takes 1 or 2"},
    };
    for (const auto &[arguments, code, message] : cases) {
        const Ran run = vantrel(arguments);
        EXPECT_EQ(run.code, code) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, message) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << arguments.join(' ').toStdString();
    }
    const Ran unreadable = vantrel({"--catalogue", at("none.mdb"), "--play", id});
    EXPECT_EQ(unreadable.code, 2);
}

// Without a session folder, the configuration goes to the user's own folder in the
// temporary folder. A link under the older fixed name is never followed; a file planted
// under the folder's name is not in the way (the folder rules: runtimefolder_test).
TEST_F(PlayCommand, AmigaConfigurationsStayInAFolderOfTheUsersOwn)
{
    const QString victim = writeFile(at("victim"), "mine");
    const QString own = at(QString("tmp/vantrel-%1").arg(::geteuid()));
    ASSERT_TRUE(QDir().mkpath(at("tmp")));
    ASSERT_TRUE(QFile::link(victim, at("tmp/vantrel.uae")));
    for (const bool planted : {false, true}) {
        if (planted && QDir(own).removeRecursively())
            writeFile(own, "x");
        const Ran run = vantrel(play(amiga, {"--template", "b.uae", "--dry-run"}), false);
        EXPECT_EQ(run.code, 0) << planted << run.err.toStdString();
        const QString config = run.out.value(2);
        EXPECT_EQ(QFileInfo(config).path() == own, !planted) << config.toStdString();
        EXPECT_EQ(QFileInfo(config).dir().dirName().left(8), "vantrel-") << config.toStdString();
        EXPECT_TRUE(readFile(config).startsWith("cpu_type=68020\r\n")) << planted;
    }
    EXPECT_EQ(readFile(victim), "mine");
}

TEST(NewsFile, ShipsBesideThePrograms)
{
    // The test programs are built into the same folder as vantrel.
    const QString news = QCoreApplication::applicationDirPath() + "/readme.txt";
    EXPECT_TRUE(readFile(news).contains("What's new")) << news.toStdString();
}
