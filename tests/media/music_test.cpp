#include "musicregistry.h"

#include "../music/fakeoutput.h"
#include "browselists.h"
#include "cataloguestore.h"
#include "musicfiles.h"
#include "musicservice.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace
{

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
        for (const char *f : {"c64/b tune.sid", "c64/a.mus", "amiga/axel.mod"})
            writeFile(t.temp.filePath(f));
        setPlayers("C:\\Audio\\SIDPLAYR.EXE", "/usr/bin/vlc-3.0");
        Game song;
        song.musicFile = c64 + "/b tune.sid";
        game = int(store().addGame(song).valueOr(0));
    }
    CatalogueStore store() { return CatalogueStore(t.catalogue.db()); }
    void setPlayers(const QString &player1, const QString &player2)
    {
        Configuration players;
        players.player1 = player1, players.player2 = player2;
        ASSERT_TRUE(store().saveConfiguration(players).ok());
    }
    // Rows follow the names: "a.mus", "b tune.sid"; "axel.mod".
    static void select(QWidget *w, int row)
    {
        control<FileListBox>(w, "fileList")->setCurrentRow(row);
    }
    static bool shown(QWidget *w, const char *name)
    {
        return control<QWidget>(w, name)->isVisible();
    }

    TestContext t;
    QString c64 = QDir::toNativeSeparators(t.temp.filePath("c64"));
    QString amiga = QDir::toNativeSeparators(t.temp.filePath("amiga"));
    int game = 0;
    QList<AssociationRequest> asked;
};

} // namespace

TEST_F(MusicTest, GameMusicPlayerPlaysTheSongWithTheChosenPlayerAndCloses)
{
    QWidget *w = t.ctx->windows.open(GameMusicRequest{game});
    const auto titleShown = [&w] {
        EXPECT_GT(w->width(), w->fontMetrics().horizontalAdvance(w->windowTitle()) + 100);
    };
    titleShown();
    EXPECT_EQ(control<QPushButton>(w, "player1Button")->text(), "SIDPLAYR");
    EXPECT_EQ(control<QPushButton>(w, "player2Button")->text(), "vlc-3.0") << "no extension";
    EXPECT_FALSE(shown(w, "noPlayersLabel"));
    t.launcher.failing << "C:\\Audio\\SIDPLAYR.EXE";
    click(w, "player1Button");
    EXPECT_TRUE(isOpen(*t.ctx, WindowKey::GameMusicPlayer)) << "a start failure keeps it open";
    click(w, "player2Button");
    EXPECT_EQ(t.launcher.started.value(0),
              (Command{"/usr/bin/vlc-3.0", {c64 + "/b tune.sid"}, WindowStyle::MinimizedFocus}));
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::GameMusicPlayer));

    // A missing song is named, and no player starts on it.
    setPlayers("", "/usr/bin/vlc-3.0");
    QFile::remove(c64 + "/b tune.sid");
    w = t.ctx->windows.open(GameMusicRequest{game});
    EXPECT_FALSE(shown(w, "player1Button"));
    const qsizetype started = t.launcher.started.size();
    click(w, "player2Button");
    EXPECT_EQ(t.dialogs.messages().last(), "The music file is missing:\n" + c64 + "/b tune.sid");
    EXPECT_EQ(t.launcher.started.size(), started);
    EXPECT_TRUE(isOpen(*t.ctx, WindowKey::GameMusicPlayer));

    QFile::remove(t.catalogue.path());
    w = t.ctx->windows.open(GameMusicRequest{game});
    EXPECT_EQ(t.dialogs.messages().last(), "Database Open Error");
    EXPECT_TRUE(shown(w, "noPlayersLabel"));
    titleShown();
}

// Reopened for the other machine, the window used to stay in the first machine's folder
// while "Associate" offered the other machine's games.
TEST_F(MusicTest, FreeMusicPlayerAskedForAnotherMachineSwitchesCompletely)
{
    QWidget *w = t.ctx->windows.open(FreeMusicRequest{MusicMachine::C64, c64});
    select(w, 0);
    const std::tuple<MusicMachine, QString, int, QString, AssociationKind> steps[] = {
        {MusicMachine::Amiga, amiga, 0, "axel.mod", AssociationKind::AmigaMusic},
        {MusicMachine::C64, c64, 1, "b tune.sid", AssociationKind::C64Music}};
    for (const auto &[machine, folder, row, file, kind] : steps) {
        EXPECT_EQ(t.ctx->windows.open(FreeMusicRequest{machine, folder}), w) << "one window";
        EXPECT_EQ(w->windowTitle(),
                  machine == MusicMachine::Amiga ? "Amiga Music Player" : "C64 Music Player");
        EXPECT_EQ(control<DirListBox>(w, "folderList")->path(), folder);
        EXPECT_TRUE(control<QLineEdit>(w, "fileEdit")->text().isEmpty()) << "no file of before";
        select(w, row);
        click(w, "associateButton");
        ASSERT_FALSE(asked.isEmpty());
        EXPECT_EQ(asked.last().kind, kind);
        EXPECT_EQ(asked.last().files, QStringList{folder + QDir::separator() + file});
    }
    // A music folder that cannot be opened falls back to the user's home, silently.
    t.ctx->windows.open(FreeMusicRequest{MusicMachine::Amiga, amiga + "/no such folder/"});
    EXPECT_EQ(control<DirListBox>(w, "folderList")->path(),
              QDir::toNativeSeparators(QDir::homePath()));
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
}

// The box holds the highlighted file and nothing else. The focus alone makes a row current
// without highlighting it; another folder or a new request highlights nothing. With no
// file chosen, Associate and the players refuse.
TEST_F(MusicTest, FreeMusicPlayerOffersAndPlaysOnlyTheHighlightedFile)
{
    QWidget *w = t.ctx->windows.open(FreeMusicRequest{MusicMachine::C64, c64});
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto *box = control<QLineEdit>(w, "fileEdit");
    const auto chooseNothing = [&](const std::function<void()> &step) {
        step();
        box->setFocus();
        control<FileListBox>(w, "fileList")->setFocus(); // a current row, not highlighted
        EXPECT_TRUE(box->text().isEmpty()) << box->text().toStdString();
        click(w, "associateButton");
        click(w, "player1Button");
        EXPECT_EQ(t.dialogs.messages(), QStringList(2, "Select a music file first."));
        t.dialogs.clear();
    };
    chooseNothing([] {});
    select(w, 1);
    EXPECT_EQ(box->text(), c64 + QDir::separator() + "b tune.sid");
    chooseNothing([&] { t.ctx->windows.open(FreeMusicRequest{MusicMachine::C64, c64}); });
    chooseNothing([&] { control<DirListBox>(w, "folderList")->setPath(amiga); });
    select(w, 0);
    EXPECT_EQ(box->text(), amiga + QDir::separator() + "axel.mod");
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_TRUE(t.launcher.started.isEmpty());

    // The chosen file plays; a player that fails is named and the window stays open.
    t.launcher.failing << "/usr/bin/vlc-3.0";
    t.ctx->windows.open(FreeMusicRequest{MusicMachine::C64, c64});
    select(w, 1);
    click(w, "player1Button");
    click(w, "player2Button");
    EXPECT_EQ(t.launcher.started, (QList<Command>{{"C:\\Audio\\SIDPLAYR.EXE",
                                                   {c64 + "/b tune.sid"},
                                                   WindowStyle::MinimizedFocus}}));
    EXPECT_TRUE(t.dialogs.messages().value(0).contains("vlc-3.0"));
    EXPECT_TRUE(isOpen(*t.ctx, WindowKey::FreeMusicPlayer)) << "playing keeps it open";
    click(w, "exitButton");
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::FreeMusicPlayer));
}

// The notice is for a configuration without any player: one player is enough to play.
TEST_F(MusicTest, NoPlayersNoticeOnlyWhenBothPlayersAreMissing)
{
    const struct {
        const char *player1;
        const char *player2;
        bool notice;
    } cases[] = {{"C:\\Audio\\SIDPLAYR.EXE", "/usr/bin/vlc-3.0", false},
                 {"", "/usr/bin/vlc-3.0", false},
                 {"C:\\Audio\\SIDPLAYR.EXE", "", false},
                 {"", "", true}};
    for (const auto &c : cases) {
        setPlayers(c.player1, c.player2);
        QWidget *w = t.ctx->windows.open(FreeMusicRequest{MusicMachine::C64, c64});
        EXPECT_EQ(shown(w, "noPlayersLabel"), c.notice) << "free: " << c.player1 << c.player2;
        w = t.ctx->windows.open(GameMusicRequest{game});
        EXPECT_EQ(shown(w, "noPlayersLabel"), c.notice) << "game: " << c.player1 << c.player2;
    }
}

// With the program's music service: "Built-in player" plays the song in the window's bar, a
// configured player ends it, and the free player's bar plays the highlighted file until its
// window closes.
TEST_F(MusicTest, BuiltInAndConfiguredPlayersPlayOneTuneAtATime)
{
    DeviceLog log;
    MusicService music(std::make_unique<FakeOutput>(log), t.launcher);
    t.ctx->music = &music;
    setPlayers("", "");
    QWidget *w = t.ctx->windows.open(FreeMusicRequest{MusicMachine::C64, c64});
    EXPECT_FALSE(shown(w, "noPlayersLabel")) << "the built-in player plays";
    setPlayers("C:\\Audio\\SIDPLAYR.EXE", "/usr/bin/vlc-3.0");
    const QString song = writeFile(c64 + "/b tune.sid", sampledata::makeTonePsid({7493}, 1));
    w = t.ctx->windows.open(GameMusicRequest{game});
    click(w, "builtInButton");
    EXPECT_EQ(music.player().path(), song);
    EXPECT_NE(log.source, nullptr);
    click(w, "player1Button");
    EXPECT_EQ(log.source, nullptr);
    EXPECT_EQ(t.launcher.started.size(), 1);
    w = t.ctx->windows.open(FreeMusicRequest{MusicMachine::C64, c64});
    select(w, 1);
    control<QToolButton>(w, "playPause")->click();
    EXPECT_NE(log.source, nullptr);
    w->close();
    EXPECT_EQ(log.source, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the bars go first
}
