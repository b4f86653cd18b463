#include "cataloguestore.h"
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
    int add(const QString &title, const QString &machine, const QString &shot1,
            const QString &shot2 = {})
    {
        Game g;
        g.title = title, g.machine = machine, g.screenshot1 = shot1, g.screenshot2 = shot2;
        return int(CatalogueStore(t.catalogue.db()).addGame(g).valueOr(0));
    }

    TestContext t;
    QString shot = t.temp.filePath("shot one.png"), text = t.temp.filePath("notes.png");
};

} // namespace

TEST_F(ViewerTest, ShowsThePictureAtItsNaturalSizeAlsoWhenAskedAgain)
{
    const int id = add("Turrican", "Amiga 2.x", "", shot);
    ScreenshotViewer *v = open(id, 1);
    EXPECT_FALSE(v->hasPicture());
    EXPECT_EQ(open(id, 2), v) << "the open viewer takes the new request";
    EXPECT_EQ(v->windowTitle(), "Amiga 2.x: Turrican");
    EXPECT_TRUE(v->hasPicture());
    EXPECT_EQ(control<QLabel>(v, "pictureLabel")->pixmap().size(), QSize(320, 200));
    EXPECT_FALSE(noImagesShown(v));
    // Sized to the picture: a little larger, never much larger.
    EXPECT_NEAR(v->width(), 340, 20);
    EXPECT_NEAR(v->height(), 220, 20);
}

TEST_F(ViewerTest, NoImagesAvailableForEveryKindOfFailure)
{
    const QString gone = t.temp.filePath("gone.png");
    const std::tuple<QString, QString, int> cases[] = {
        {{}, shot, 1}, {gone, shot, 1}, {text, text, 1}, {text, text, 2}, {{}, {}, 2}};
    for (const auto &[screen1, screen2, which] : cases) {
        const int id = add("A", "C64", screen1, screen2);
        ScreenshotViewer *v = open(id, which);
        EXPECT_TRUE(noImagesShown(v)) << id;
        const bool missing = screen1 == gone && which == 1;
        EXPECT_EQ(control<QLabel>(v, "noImagesLabel")->text(),
                  missing ? "SCREENSHOT FILE MISSING\n" + gone : QString("NO IMAGES AVAILABLE"));
        EXPECT_EQ(v->windowTitle(), "C64: A");
        t.ctx->windows.closeAll();
    }
    EXPECT_EQ(open(9999, 1)->windowTitle(), "Games Screenshots") << "a game that is gone";
    EXPECT_TRUE(t.dialogs.shown.isEmpty());

    t.ctx->paths.catalogue = t.temp.filePath("nowhere.mdb");
    t.ctx->closeDb();
    EXPECT_TRUE(noImagesShown(open(1, 2)));
    EXPECT_EQ(t.dialogs.messages(), QStringList{"Database Open Error"});
}

TEST_F(ViewerTest, ClosesWhenAnotherWindowBecomesActiveOrOnEscape)
{
    const int id = add("A", "C64", shot);
    QPointer<ScreenshotViewer> v = open(id, 1);
    // Not yet active: a lost activation it never had does not close it.
    v->closeIfWasActive();
    EXPECT_FALSE(v.isNull());

    ASSERT_TRUE(QTest::qWaitForWindowActive(v));
    {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        EXPECT_TRUE(QTest::qWaitFor([&v] { return v.isNull(); }));
        EXPECT_FALSE(isOpen(*t.ctx, WindowKey::ScreenshotViewer));
    }
    v = open(id, 1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(v));
    QTest::keyClick(v, Qt::Key_Escape);
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::ScreenshotViewer));
}
