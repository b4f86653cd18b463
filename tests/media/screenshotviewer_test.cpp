#include "screenshotregistry.h"
#include "screenshotviewer.h"
#include "testcatalogue.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

class ViewerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        shot = t.temp.filePath("shot one.png");
        QImage picture(320, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        ASSERT_TRUE(picture.save(shot));
        text = t.temp.filePath("notes.png");
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\x89PNG but then nothing");
        f.close();
        registerScreenshotViewer(*t.ctx);
    }

    scrshots *open(int id, int which)
    {
        t.ctx->selectedid = id;
        t.ctx->whichshot = which;
        return t.ctx->windows.find<scrshots>("scrshots")
                   ? nullptr
                   : qobject_cast<scrshots *>(t.ctx->windows.show("scrshots"));
    }

    void TearDown() override { t.ctx->windows.closeAll(); }

    TestContext t;
    QString shot, text;
};

} // namespace

TEST_F(ViewerTest, ShowsThePictureAtItsNaturalSize)
{
    const int id = t.catalogue.addGame(
        {{"titolo", "Turrican"}, {"formato", "Amiga 2.x"}, {"screen1", ""}, {"screen2", shot}});
    scrshots *v = open(id, 2);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle(), "Amiga 2.x: Turrican");
    EXPECT_TRUE(v->hasPicture());
    EXPECT_EQ(v->Image1->pixmap().size(), QSize(320, 200));
    EXPECT_FALSE(v->Label1->isVisible());
    // Sized to the picture: a little larger, never much larger.
    EXPECT_GE(v->width(), 320);
    EXPECT_LE(v->width(), 360);
    EXPECT_GE(v->height(), 200);
    EXPECT_LE(v->height(), 240);
}

TEST_F(ViewerTest, NoImagesAvaiableForEveryKindOfFailure)
{
    const int onlySecond =
        t.catalogue.addGame({{"titolo", "A"}, {"formato", "C64"}, {"screen2", shot}});
    const int missing = t.catalogue.addGame(
        {{"titolo", "B"}, {"formato", "C64"}, {"screen1", t.temp.filePath("gone.png")}});
    const int notPicture = t.catalogue.addGame(
        {{"titolo", "C"}, {"formato", "C64"}, {"screen1", text}, {"screen2", text}});
    const int nulls = t.catalogue.addGame({{"titolo", "D"}, {"formato", "C64"}});
    const std::pair<int, int> cases[] = {
        {onlySecond, 1}, {missing, 1}, {notPicture, 1}, {notPicture, 2}, {nulls, 2}};
    for (const auto &[id, which] : cases) {
        scrshots *v = open(id, which);
        ASSERT_NE(v, nullptr);
        EXPECT_FALSE(v->hasPicture()) << id << " " << which;
        EXPECT_TRUE(v->Label1->isVisible());
        EXPECT_EQ(v->Label1->text(), "NO IMAGES AVAIABLE");
        t.ctx->windows.closeAll();
    }
    // A game that is gone keeps the designed caption.
    scrshots *v = open(9999, 1);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle(), "Games Screenshots");
    EXPECT_TRUE(v->Label1->isVisible());
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
    t.ctx->windows.closeAll();

    t.ctx->paths.catalogue = t.temp.filePath("nowhere.mdb");
    t.ctx->closeDb();
    v = open(onlySecond, 2);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(t.dialogs.messages(), QStringList{"Database Open Error"});
    EXPECT_TRUE(v->Label1->isVisible());
}

TEST_F(ViewerTest, ClosesWhenAnotherWindowBecomesActive)
{
    const int id = t.catalogue.addGame({{"titolo", "A"}, {"formato", "C64"}, {"screen1", shot}});
    scrshots *v = open(id, 1);
    ASSERT_NE(v, nullptr);
    QPointer<scrshots> guard(v);
    // Not yet active: a lost activation it never had does not close it.
    v->Form_Deactivate();
    EXPECT_FALSE(guard.isNull());

    ASSERT_TRUE(QTest::qWaitForWindowActive(v));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    for (int i = 0; i < 100 && guard; ++i)
        QTest::qWait(20);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(t.ctx->windows.find("scrshots"), nullptr);
}
