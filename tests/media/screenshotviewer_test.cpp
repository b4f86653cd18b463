#include "screenshotregistry.h"
#include "screenshotviewer.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QImage>
#include <QLabel>
#include <QTest>

namespace
{

struct ViewerTest : testing::Test {
    ViewerTest()
    {
        QImage picture(320, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        EXPECT_TRUE(picture.save(shot));
        writeFile(text, "\x89PNG but then nothing");
        registerScreenshotViewer(*t.ctx);
    }
    ScreenshotViewer *open(int id, int which)
    {
        flushDeletes();
        return qobject_cast<ScreenshotViewer *>(t.ctx->windows.open(ScreenshotRequest{id, which}));
    }
    bool noImagesShown(QWidget *v) { return control<QLabel>(v, "noImagesLabel")->isVisible(); }

    TestContext t;
    QString shot = t.temp.filePath("shot one.png"), text = t.temp.filePath("notes.png");
};

} // namespace

TEST_F(ViewerTest, ShowsThePictureAtItsNaturalSizeAlsoWhenAskedAgain)
{
    const int id = t.catalogue.addGame(
        {{"titolo", "Turrican"}, {"formato", "Amiga 2.x"}, {"screen1", ""}, {"screen2", shot}});
    ScreenshotViewer *v = open(id, 1);
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(v->hasPicture());
    EXPECT_EQ(open(id, 2), v) << "the open viewer takes the new request";
    EXPECT_EQ(v->windowTitle(), "Amiga 2.x: Turrican");
    EXPECT_TRUE(v->hasPicture());
    EXPECT_EQ(control<QLabel>(v, "pictureLabel")->pixmap().size(), QSize(320, 200));
    EXPECT_FALSE(noImagesShown(v));
    // Sized to the picture: a little larger, never much larger.
    EXPECT_GE(v->width(), 320);
    EXPECT_LE(v->width(), 360);
    EXPECT_GE(v->height(), 200);
    EXPECT_LE(v->height(), 240);
}

TEST_F(ViewerTest, NoImagesAvailableForEveryKindOfFailure)
{
    const int onlySecond =
        t.catalogue.addGame({{"titolo", "A"}, {"formato", "C64"}, {"screen2", shot}});
    const int missing = t.catalogue.addGame(
        {{"titolo", "B"}, {"formato", "C64"}, {"screen1", t.temp.filePath("gone.png")}});
    const int notPicture = t.catalogue.addGame(
        {{"titolo", "C"}, {"formato", "C64"}, {"screen1", text}, {"screen2", text}});
    const int nulls = t.catalogue.addGame({{"titolo", "D"}, {"formato", "C64"}});
    const std::pair<int, int> cases[] = {{onlySecond, 1}, {missing, 1}, {notPicture, 1},
                                         {notPicture, 2}, {nulls, 2},   {9999, 1}};
    for (const auto &[id, which] : cases) {
        ScreenshotViewer *v = open(id, which);
        ASSERT_NE(v, nullptr);
        EXPECT_FALSE(v->hasPicture()) << id << " " << which;
        EXPECT_TRUE(noImagesShown(v)) << id << " " << which;
        EXPECT_EQ(control<QLabel>(v, "noImagesLabel")->text(), "NO IMAGES AVAILABLE");
        t.ctx->windows.closeAll();
    }
    EXPECT_EQ(open(9999, 1)->windowTitle(), "Games Screenshots") << "a game that is gone";
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
    t.ctx->windows.closeAll();

    t.ctx->paths.catalogue = t.temp.filePath("nowhere.mdb");
    t.ctx->closeDb();
    ScreenshotViewer *v = open(onlySecond, 2);
    EXPECT_EQ(t.dialogs.messages(), QStringList{"Database Open Error"});
    EXPECT_TRUE(noImagesShown(v));
}

TEST_F(ViewerTest, ClosesWhenAnotherWindowBecomesActive)
{
    const int id = t.catalogue.addGame({{"titolo", "A"}, {"formato", "C64"}, {"screen1", shot}});
    QPointer<ScreenshotViewer> v = open(id, 1);
    ASSERT_NE(v, nullptr);
    // Not yet active: a lost activation it never had does not close it.
    v->closeIfWasActive();
    EXPECT_FALSE(v.isNull());

    ASSERT_TRUE(QTest::qWaitForWindowActive(v));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    for (int i = 0; i < 100 && v; ++i)
        QTest::qWait(20);
    EXPECT_TRUE(v.isNull());
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::ScreenshotViewer));
}
