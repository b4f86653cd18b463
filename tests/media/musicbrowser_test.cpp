#include "musicregistry.h"

#include "browselists.h"
#include "testcatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

void touch(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
}

struct MusicBrowserTest : testing::Test {
    MusicBrowserTest()
    {
        registerMusicWindows(*t.ctx);
        t.ctx->windows.addFactory(QStringLiteral("Form3"), [this] {
            assocOpened << t.ctx->assocmode;
            return new QWidget;
        });
        root = QDir::toNativeSeparators(QDir::cleanPath(music.path()));
        QDir(root).mkpath(QStringLiteral("Hubbard Tunes"));
        touch(root + QStringLiteral("/b tune.sid"));
        touch(root + QStringLiteral("/a.mus"));
        touch(root + QStringLiteral("/Hubbard Tunes/Commando.sid"));
        t.catalogue.setConfig({{QStringLiteral("player1"), QStringLiteral("/bin/one.exe")},
                               {QStringLiteral("player2"), QStringLiteral("/bin/two")}});
        t.ctx->startdir = root + QDir::separator();
        t.ctx->playerkind = QStringLiteral("C64");
    }
    QWidget *open() { return t.ctx->windows.show(QStringLiteral("Form8")); }
    template <class T> static T *child(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QLatin1String(name));
    }
    bool isOpen()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return t.ctx->windows.find(QStringLiteral("Form8"));
    }
    static void select(FileListBox *files, const QString &name)
    {
        const auto items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        files->setCurrentItem(items[0]);
    }

    TestContext t;
    QTemporaryDir music;
    QString root;
    QStringList assocOpened;
};

} // namespace

TEST_F(MusicBrowserTest, OpensOnTheMusicDirectoryWithEmptyBrowsePath)
{
    t.ctx->browsepath = QStringLiteral("stale");
    QWidget *w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Music Player"));
    EXPECT_EQ(child<DirListBox>(w, "Dir1")->path(), root);
    auto *files = child<FileListBox>(w, "File1");
    EXPECT_EQ(files->path(), root);
    ASSERT_EQ(files->count(), 2);
    EXPECT_EQ(files->item(0)->text(), QStringLiteral("a.mus"));
    EXPECT_TRUE(t.ctx->browsepath.isEmpty());
    EXPECT_EQ(child<QPushButton>(w, "Command1")->text(), QStringLiteral("one"));
    EXPECT_EQ(child<QPushButton>(w, "Command2")->text(), QStringLiteral("two"));
    EXPECT_EQ(child<QPushButton>(w, "Command4")->text(), QStringLiteral("Associate"));
    EXPECT_EQ(child<QPushButton>(w, "Command3")->text(), QStringLiteral("Exit"));
    EXPECT_FALSE(child<QLabel>(w, "Label1")->isVisible());
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
}

TEST_F(MusicBrowserTest, BadOrMissingStartFallsBackToTheRootSilently)
{
    for (const QString &start : QStringList{root + QStringLiteral("/no such folder/"), QString()}) {
        t.ctx->startdir = start;
        QWidget *w = open();
        EXPECT_EQ(child<DirListBox>(w, "Dir1")->path(), QDir::toNativeSeparators(QDir::rootPath()));
        EXPECT_TRUE(t.dialogs.shown.isEmpty());
        w->close();
        ASSERT_FALSE(isOpen());
    }
}

TEST_F(MusicBrowserTest, BrowsingUpdatesBrowsePathFilesAndText1)
{
    QWidget *w = open();
    auto *dirs = child<DirListBox>(w, "Dir1");
    auto *files = child<FileListBox>(w, "File1");
    const QString sub = root + QDir::separator() + QStringLiteral("Hubbard Tunes");
    ASSERT_TRUE(dirs->setPath(sub));
    EXPECT_EQ(t.ctx->browsepath, sub);
    EXPECT_EQ(files->path(), sub);
    select(files, QStringLiteral("Commando.sid"));
    EXPECT_EQ(child<QLineEdit>(w, "Text1")->text(),
              sub + QDir::separator() + QStringLiteral("Commando.sid"));
}

TEST_F(MusicBrowserTest, PlayerButtonsPlayTheSelectedFileAndStay)
{
    QWidget *w = open();
    select(child<FileListBox>(w, "File1"), QStringLiteral("b tune.sid"));
    child<QPushButton>(w, "Command1")->click();
    child<QPushButton>(w, "Command2")->click();
    ASSERT_EQ(t.launcher.started.size(), 2);
    const QString file = root + QDir::separator() + QStringLiteral("b tune.sid");
    EXPECT_EQ(t.launcher.started[0],
              (Command{QStringLiteral("/bin/one.exe"), {file}, WindowStyle::MinimizedFocus}));
    EXPECT_EQ(t.launcher.started[1].program, QStringLiteral("/bin/two"));
    EXPECT_TRUE(isOpen());
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(MusicBrowserTest, NothingSelectedOrStartFailureIsReported)
{
    t.launcher.failing << QStringLiteral("/bin/two");
    QWidget *w = open();
    child<QPushButton>(w, "Command1")->click();
    EXPECT_TRUE(t.launcher.started.isEmpty());
    ASSERT_EQ(t.dialogs.messages().size(), 1);

    select(child<FileListBox>(w, "File1"), QStringLiteral("a.mus"));
    child<QPushButton>(w, "Command2")->click();
    ASSERT_EQ(t.dialogs.messages().size(), 2);
    EXPECT_TRUE(t.dialogs.messages()[1].contains(QStringLiteral("/bin/two")));
    EXPECT_EQ(t.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    child<QPushButton>(w, "Command1")->click();
    EXPECT_EQ(t.launcher.started.size(), 1);
    EXPECT_TRUE(isOpen());
}

TEST_F(MusicBrowserTest, NoPlayersShowsTheLabel)
{
    t.catalogue.setConfig(
        {{QStringLiteral("player1"), QString()}, {QStringLiteral("player2"), QStringLiteral("")}});
    QWidget *w = open();
    EXPECT_FALSE(child<QPushButton>(w, "Command1")->isVisible());
    EXPECT_FALSE(child<QPushButton>(w, "Command2")->isVisible());
    EXPECT_TRUE(child<QLabel>(w, "Label1")->isVisible());
    EXPECT_EQ(child<QLabel>(w, "Label1")->text(), QStringLiteral("NO MUSIC PLAYERS CONFIGURED"));
}

TEST_F(MusicBrowserTest, AssociateSetsTheKindAndOpensTheEditor)
{
    QWidget *w = open();
    select(child<FileListBox>(w, "File1"), QStringLiteral("a.mus"));
    child<QPushButton>(w, "Command4")->click();
    EXPECT_EQ(assocOpened, QStringList{QStringLiteral("C64M")});
    EXPECT_TRUE(t.ctx->windows.find(QStringLiteral("Form3")));
    EXPECT_TRUE(isOpen());
    t.ctx->windows.find(QStringLiteral("Form3"))->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    t.ctx->playerkind = QStringLiteral("Amiga");
    child<QPushButton>(w, "Command4")->click();
    EXPECT_EQ(t.ctx->assocmode, QStringLiteral("AmigaM"));
    t.ctx->windows.find(QStringLiteral("Form3"))->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Any other kind leaves the mode as it was.
    t.ctx->playerkind = QStringLiteral("PC");
    child<QPushButton>(w, "Command4")->click();
    EXPECT_EQ(t.ctx->assocmode, QStringLiteral("AmigaM"));
    t.ctx->windows.find(QStringLiteral("Form3"))->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // ... unless a game player left it: the editor must not write that player's disks.
    t.ctx->assocmode = QStringLiteral("C64");
    child<QPushButton>(w, "Command4")->click();
    EXPECT_EQ(t.ctx->assocmode, QString());
}

TEST_F(MusicBrowserTest, ExitCloses)
{
    QWidget *w = open();
    child<QPushButton>(w, "Command3")->click();
    EXPECT_FALSE(isOpen());
}
