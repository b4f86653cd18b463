#include "musiccommand.h"
#include "musicregistry.h"

#include "browselists.h"
#include "database.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

TEST(MusicCommand, CaptionsDropFolderAndAShortExtensionOnly)
{
    const char *cases[][2] = {{"C:\\Sound\\SIDPLAYR.EXE", "SIDPLAYR"},
                              {"/usr/local/bin/player.sh", "player"},
                              {"/opt/Tracker.AppImage", "Tracker.AppImage"},
                              {"/mixed\\dir/tool.bin", "tool"},
                              {"/usr/bin/vlc-3.0", "vlc-3.0"},
                              {"/usr/bin/.hidden", ".hidden"},
                              {"/usr/bin/name.", "name."},
                              {"/usr/bin/", ""}};
    for (const auto &[path, caption] : cases)
        EXPECT_EQ(music::programName(path), caption) << path;
    EXPECT_EQ(music::playerCaption("C:\\Players\\"), "C:\\Players\\") << "never empty";
}

TEST(MusicCommand, ReadsTheFirstConfigurationRowAndSongs)
{
    TestCatalogue c;
    QString error;
    c.setConfig({{"player2", "/bin/two"}});
    catalogue::run(c.db(), "insert into tabella2 (player1) values ('/bin/later')");
    const music::SoundPlayers p = music::loadPlayers(c.db(), &error);
    EXPECT_TRUE(p.player1.isEmpty()) << "the first row only";
    EXPECT_EQ(p.player2, "/bin/two");
    const int id = c.addGame({{"titolo", "Tune"}, {"song", "/music/t.sid"}});
    EXPECT_EQ(music::loadSong(c.db(), id, &error), "/music/t.sid");
    EXPECT_TRUE(music::loadSong(c.db(), id + 100, &error).isEmpty());
    EXPECT_TRUE(error.isEmpty()) << "a game that is gone has no song";
    EXPECT_TRUE(music::loadSong(QSqlDatabase(), id, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

namespace
{

// Stands in for the association editor and keeps what it was asked.
struct AssociationStub : QWidget, RequestTaker<AssociationRequest> {
    explicit AssociationStub(QList<AssociationRequest> &asked) : asked(asked) {}
    bool takeRequest(const AssociationRequest &r) override { return asked << r, true; }
    QList<AssociationRequest> &asked;
};

// Both music windows over a catalogue with two players, a C64 and an Amiga music folder.
struct MusicTest : testing::Test {
    MusicTest()
    {
        registerMusicWindows(*t.ctx);
        t.ctx->windows.addFactory(WindowKey::AssociationEditor,
                                  [this] { return new AssociationStub(asked); });
        c64 = QDir::toNativeSeparators(t.temp.filePath("c64"));
        amiga = QDir::toNativeSeparators(t.temp.filePath("amiga"));
        for (const char *f :
             {"c64/b tune.sid", "c64/a.mus", "c64/Hubbard/Commando.sid",
              "c64/Hubbard/Rob Hubbard - Commando (High Score Version).sid", "amiga/axel.mod"})
            writeFile(t.temp.filePath(f));
        t.catalogue.setConfig({{"player1", "C:\\Audio\\SIDPLAYR.EXE"}, {"player2", "/bin/two"}});
        game = t.catalogue.addGame({{"titolo", "Game"}, {"song", QString(c64 + "/b tune.sid")}});
    }
    template <class Request> QWidget *open(const Request &request)
    {
        flushDeletes();
        QWidget *w = t.ctx->windows.open(request);
        w->layout()->activate();
        return w;
    }
    static void select(QWidget *w, const QString &name)
    {
        auto *files = control<FileListBox>(w, "fileList");
        const auto items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        files->setCurrentItem(items[0]);
    }
    static bool shown(QWidget *w, const char *name)
    {
        return control<QWidget>(w, name)->isVisible();
    }

    TestContext t;
    QString c64, amiga;
    int game = 0;
    QList<AssociationRequest> asked;
};

} // namespace

TEST_F(MusicTest, GameMusicPlayerPlaysTheSongWithTheChosenPlayerAndCloses)
{
    QWidget *w = open(GameMusicRequest{game});
    EXPECT_EQ(w->windowTitle(), "Select SoundPlayer");
    EXPECT_EQ(control<QPushButton>(w, "player1Button")->text(), "SIDPLAYR");
    EXPECT_EQ(control<QPushButton>(w, "player2Button")->text(), "two");
    EXPECT_FALSE(shown(w, "noPlayersLabel"));
    const int firstLeft = control<QWidget>(w, "player1Button")->geometry().left();

    t.launcher.failing << "C:\\Audio\\SIDPLAYR.EXE";
    click(w, "player1Button");
    EXPECT_TRUE(t.dialogs.messages().value(0).contains("SIDPLAYR")) << "a start failure";
    EXPECT_TRUE(isOpen(*t.ctx, WindowKey::GameMusicPlayer)) << "and the window stays usable";
    click(w, "player2Button");
    ASSERT_EQ(t.launcher.started.size(), 1);
    EXPECT_EQ(t.launcher.started[0],
              (Command{"/bin/two", {c64 + "/b tune.sid"}, WindowStyle::MinimizedFocus}));
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::GameMusicPlayer));

    // Only the second player: it takes the first place. A missing song leaves one blank.
    t.catalogue.setConfig({{"player1", ""}});
    QFile::remove(c64 + "/b tune.sid");
    w = open(GameMusicRequest{game});
    EXPECT_FALSE(shown(w, "player1Button"));
    EXPECT_EQ(control<QWidget>(w, "player2Button")->geometry().left(), firstLeft);
    click(w, "player2Button");
    EXPECT_EQ(t.launcher.started.last().text(), "/bin/two ");

    QFile::remove(t.catalogue.path());
    w = open(GameMusicRequest{game});
    EXPECT_EQ(t.dialogs.messages().last(), "Database Open Error");
    EXPECT_FALSE(shown(w, "player2Button"));
    EXPECT_TRUE(shown(w, "noPlayersLabel"));
}

TEST_F(MusicTest, FreeMusicPlayerBrowsesFromTheMusicFolderAndPlays)
{
    t.launcher.failing << "/bin/two";
    QWidget *w = open(FreeMusicRequest{MusicMachine::C64, c64});
    EXPECT_EQ(w->windowTitle(), "Music Player");
    EXPECT_EQ(control<DirListBox>(w, "folderList")->path(), c64);
    EXPECT_EQ(control<FileListBox>(w, "fileList")->count(), 2);
    click(w, "player1Button");
    EXPECT_EQ(t.dialogs.messages(), QStringList{"Select a music file first."});

    const QString sub = c64 + QDir::separator() + "Hubbard";
    ASSERT_TRUE(control<DirListBox>(w, "folderList")->setPath(sub));
    w->layout()->activate();
    auto *files = control<FileListBox>(w, "fileList");
    EXPECT_GE(files->viewport()->width(), files->sizeHintForColumn(0)) << "long names show whole";
    select(w, "Commando.sid");
    EXPECT_EQ(control<QLineEdit>(w, "fileEdit")->text(), sub + QDir::separator() + "Commando.sid");
    click(w, "player1Button");
    click(w, "player2Button");
    EXPECT_EQ(t.launcher.started, (QList<Command>{{"C:\\Audio\\SIDPLAYR.EXE",
                                                   {sub + "/Commando.sid"},
                                                   WindowStyle::MinimizedFocus}}));
    EXPECT_TRUE(t.dialogs.messages().value(1).contains("/bin/two"));
    EXPECT_TRUE(isOpen(*t.ctx, WindowKey::FreeMusicPlayer)) << "playing keeps it open";
    click(w, "exitButton");
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::FreeMusicPlayer));
}

// Reopened for the other machine, the window used to stay in the first machine's folder
// while "Associate" offered the other machine's games.
TEST_F(MusicTest, FreeMusicPlayerAskedForAnotherMachineSwitchesCompletely)
{
    QWidget *w = open(FreeMusicRequest{MusicMachine::C64, c64});
    select(w, "a.mus");
    const struct {
        MusicMachine machine;
        QString folder, file;
        AssociationKind kind;
    } steps[] = {{MusicMachine::Amiga, amiga, "axel.mod", AssociationKind::AmigaMusic},
                 {MusicMachine::C64, c64, "b tune.sid", AssociationKind::C64Music}};
    for (const auto &step : steps) {
        EXPECT_EQ(open(FreeMusicRequest{step.machine, step.folder}), w) << "one window";
        EXPECT_EQ(control<DirListBox>(w, "folderList")->path(), step.folder);
        EXPECT_TRUE(control<QLineEdit>(w, "fileEdit")->text().isEmpty()) << "no file of before";
        select(w, step.file);
        click(w, "associateButton");
        ASSERT_FALSE(asked.isEmpty());
        EXPECT_EQ(asked.last().kind, step.kind);
        EXPECT_EQ(asked.last().files, QStringList{step.folder + QDir::separator() + step.file});
    }
    EXPECT_EQ(asked.size(), 2);
}

TEST_F(MusicTest, FreeMusicPlayerFallsBackToTheRootAndShowsMissingPlayers)
{
    t.catalogue.setConfig({{"player1", QVariant()}, {"player2", ""}});
    for (const QString &start : {QString(c64 + "/no such folder/"), QString()}) {
        QWidget *w = open(FreeMusicRequest{MusicMachine::Amiga, start});
        EXPECT_EQ(control<DirListBox>(w, "folderList")->path(),
                  QDir::toNativeSeparators(QDir::rootPath()));
        EXPECT_FALSE(shown(w, "player1Button"));
        EXPECT_FALSE(shown(w, "player2Button"));
        EXPECT_EQ(control<QLabel>(w, "noPlayersLabel")->text(), "NO MUSIC PLAYERS CONFIGURED");
        EXPECT_TRUE(shown(w, "noPlayersLabel"));
        w->close();
    }
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
}
