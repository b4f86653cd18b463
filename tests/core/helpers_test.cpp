#include "launcher.h"
#include "paths.h"
#include "shortpath.h"
#include "windowregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ShortPath, ExistingMissingAndBlankPaths)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("folder with blanks");
    QDir().mkpath(folder);
    const QString file = folder + "/Game File.d64";
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(shortPath(file), QDir::toNativeSeparators(file));
    EXPECT_EQ(shortPath(dir.filePath("missing.d64")), QString());
    EXPECT_EQ(shortPath(QString()), QString());
}

TEST(Paths, LocationRule)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("bin");
    const QString data = dir.filePath("data");
    QDir().mkpath(program);
    const QString sample = dir.filePath("sample.mdb");
    QFile s(sample);
    ASSERT_TRUE(s.open(QIODevice::WriteOnly));
    s.write("sample");
    s.close();

    LocationRequest r{QString(), program, data, sample, dir.path()};
    // Nothing beside the program: the data folder, seeded from the sample.
    Paths p = resolvePaths(r);
    EXPECT_EQ(p.catalogue, QDir(data).filePath("commodore.mdb"));
    EXPECT_TRUE(QFile::exists(p.catalogue));
    EXPECT_EQ(p.stateFile, QDir(data).filePath("Vantrel.ini"));
    EXPECT_EQ(p.temp("x.uae"), QDir(dir.path()).filePath("x.uae"));

    // A seeded catalogue is never overwritten by the sample again.
    QFile mine(p.catalogue);
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly | QIODevice::Truncate));
    mine.write("mine");
    mine.close();
    resolvePaths(r);
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "mine");
    mine.close();

    // Portable: beside the executable wins.
    QFile beside(QDir(program).filePath("commodore.mdb"));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(resolvePaths(r).catalogue, QDir(program).filePath("commodore.mdb"));

    // --catalogue wins over everything.
    r.cataloguePath = dir.filePath("elsewhere/my.mdb");
    p = resolvePaths(r);
    EXPECT_EQ(p.catalogue, dir.filePath("elsewhere/my.mdb"));
    EXPECT_EQ(p.stateFile, dir.filePath("elsewhere/Vantrel.ini"));
}

TEST(Paths, MissingSampleLeavesAnError)
{
    QTemporaryDir dir;
    LocationRequest r{QString(), dir.filePath("bin"), dir.filePath("data"),
                      dir.filePath("no-sample.mdb"), dir.path()};
    QString error;
    const Paths p = resolvePaths(r, &error);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(p.catalogue));
}

TEST(Command, TextJoinsWithOneBlank)
{
    EXPECT_EQ((Command{"/emu/x64", {"/games/a b.d64:elite"}}).text(),
              "/emu/x64 /games/a b.d64:elite");
    EXPECT_EQ((Command{"/p/player", {""}}).text(), "/p/player ");
    EXPECT_EQ((Command{"/p/player", {}}).text(), "/p/player");
}

namespace
{

struct Ask {
    static constexpr WindowKey key = WindowKey::GameInfo;
    int gameId = 0;
};

// Takes every request but 0, remembering the last one.
class AskedWindow : public QWidget, public RequestTaker<Ask>
{
public:
    bool takeRequest(const Ask &request) override
    {
        if (request.gameId == 0)
            return false;
        taken << request.gameId;
        return true;
    }
    QList<int> taken;
};

} // namespace

TEST(WindowRegistry, SingleInstanceAndFreshAfterClose)
{
    WindowRegistry windows;
    int created = 0;
    windows.addFactory(WindowKey::About, [&] {
        ++created;
        return new QWidget;
    });
    QWidget *a = windows.show(WindowKey::About);
    ASSERT_TRUE(a);
    EXPECT_EQ(windows.show(WindowKey::About), a);
    EXPECT_EQ(created, 1);
    a->close();
    // Closed but not yet deleted: already gone for the registry.
    EXPECT_EQ(windows.find(WindowKey::About), nullptr);
    QWidget *b = windows.show(WindowKey::About);
    EXPECT_NE(b, a);
    EXPECT_EQ(created, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.find(WindowKey::About), b);
    EXPECT_EQ(windows.show(WindowKey::Greetings), nullptr);
    windows.closeAll();
    EXPECT_EQ(windows.find(WindowKey::About), nullptr);
}

TEST(WindowRegistry, AnOpenWindowTakesTheNewRequestAndARefusedOneStaysUnseen)
{
    WindowRegistry windows;
    windows.addFactory(WindowKey::GameInfo, [] { return new AskedWindow; });
    EXPECT_EQ(windows.open(Ask{0}), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.find(WindowKey::GameInfo), nullptr) << "refused before it was seen";

    auto *w = static_cast<AskedWindow *>(windows.open(Ask{7}));
    ASSERT_TRUE(w);
    EXPECT_EQ(windows.open(Ask{9}), w);
    EXPECT_EQ(w->taken, (QList<int>{7, 9}));
    EXPECT_EQ(windows.open(Ask{0}), nullptr);
    EXPECT_TRUE(w->isVisible()) << "a window on screen keeps its request when it refuses another";
    windows.closeAll();
}
