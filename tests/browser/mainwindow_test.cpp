#include "browserregistry.h"
#include "editingregistry.h"
#include "mainfixture.h"
#include "recordeditor.h"
#include "splash.h"

#include <QImage>

namespace
{

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

class MainWindowTest : public MainFixture
{
protected:
    void SetUp() override
    {
        shot = t.temp.filePath("shot.png");
        QImage picture(320, 200, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        ASSERT_TRUE(picture.save(shot));
        notPicture = t.temp.filePath("broken.png");
        write(notPicture, "not a picture");
        giana = t.catalogue.addGame(
            rec("titolo=Giana Sisters|sh=Rainbow Arts|team=Time Warp|formato=C64|year=1987|"
                "tipo=Platform|programming=Armin Gessert, Manfred Trenz|addprogramming=Jan Hill|"
                "music=Chris Huelsbeck|design=|adddesign=Nobody|emul1=/games/giana.d64|screen1=|"
                "screen2=" +
                shot));
        turrican = t.catalogue.addGame(rec("titolo=Turrican|sh=Rainbow Arts|formato=Amiga 2.x|"
                                           "song=/music/t.mod|screen1=" +
                                           shot + "|screen2=" + notPicture));
        boulder = t.catalogue.addGame(
            rec("titolo=Boulder Dash|formato=C128|emul1=/games/bd.d64|note=uniqueword"));
    }

    static void write(const QString &path, const QByteArray &text)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

    QByteArray readState()
    {
        QFile f(t.ctx->paths.stateFile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The eight settings as the window shows them, in the state file's order.
    QString shownState() const
    {
        QString s;
        for (bool on : {w->Check4->isChecked(), w->Check5->isChecked(), w->showScreenshots(),
                        w->showGameCredits(), w->Check1->isChecked(), w->Check2->isChecked(),
                        t.ctx->fellowgui == 1, t.ctx->uaegui == 1})
            s += on ? '1' : '0';
        return s;
    }

    QString shot, notPicture;
    int giana = 0, turrican = 0, boulder = 0;
};

} // namespace

TEST_F(MainWindowTest, StateFileIsReadAtLoadAndWrittenAtClose)
{
    t.catalogue.addGame(rec("titolo=Both|formato=C64|emul1=x|song=y"));
    const QStringList all{"Both", "Boulder Dash", "Giana Sisters", "Turrican"};
    struct Case {
        QByteArray content; // null: no file
        const char *shown;
        QStringList titles;
    };
    // Only "1" is on, missing positions are off, only the first value counts.
    const Case cases[] = {{QByteArray(), "11110000", all},
                          {"11111111\r\n", "11111111", {"Both"}},
                          {"00000000", "00000000", all},
                          {"1", "10000000", {"Both", "Boulder Dash", "Giana Sisters"}},
                          {"x1y1z1w1,11111111", "01010101", {"Turrican"}},
                          {QByteArray("\xff\xfe\x00\x31", 4), "00010000", all}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        QFile::remove(t.ctx->paths.stateFile);
        if (!c.content.isNull())
            write(t.ctx->paths.stateFile, c.content);
        Form1 &f = open();
        EXPECT_EQ(t.ctx->mainwindow, &f);
        EXPECT_EQ(shownState(), c.shown);
        EXPECT_EQ(titles(), c.titles);
        EXPECT_EQ(f.lbldisplay->text(), QString::number(c.titles.size()));
        f.close();
        EXPECT_EQ(readState(), QByteArray(c.shown) + "\r\n");
        w.reset();
        EXPECT_EQ(t.ctx->mainwindow, nullptr);
    }
    EXPECT_TRUE(t.dialogs.shown.isEmpty());

    // No machine box ticked does not restrict; the user's first tick narrows and is saved.
    write(t.ctx->paths.stateFile, "00000000");
    Form1 &f = open();
    ASSERT_EQ(titles(), all);
    f.Check5->click();
    EXPECT_EQ(titles(), QStringList{"Turrican"});
    f.close();
    EXPECT_EQ(readState(), "01000000\r\n");

    t.ctx->paths.stateFile = t.temp.filePath("no/such/folder/Vantrel.ini");
    open().close();
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().startsWith("The settings could not be saved"));
}

TEST_F(MainWindowTest, FilterBoxesNarrowOrUntickThemselvesOnce)
{
    Form1 &f = open();
    f.Check5->click();
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters"}));
    int resets = 0;
    QObject::connect(f.listModel(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    f.Check4->click(); // the last machine box: ticked again at once, one refresh
    EXPECT_TRUE(f.Check4->isChecked());
    EXPECT_EQ(resets, 1);
    f.Check5->click();
    f.Check1->click();
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters"}));
    f.Check1->click();
    f.Check2->click();
    EXPECT_EQ(scene(), "Turrican #-1 Turrican (1)"); // no selection; the panel shows the first
    f.Check2->click();

    // No game has a song: the tick is undone, the message shown once, the list kept.
    catalogue::run(t.catalogue.db(), "update tabella1 set song = ''");
    f.Check2->click();
    EXPECT_FALSE(f.Check2->isChecked());
    EXPECT_EQ(t.dialogs.messages(), QStringList{"No record found for "});
    EXPECT_EQ(t.dialogs.beeps(), 1);
    EXPECT_EQ(f.listCount(), 3);
    EXPECT_EQ(f.lastfilterbox(), "sid");
    // The flag was consumed: the next tick is the user's and refreshes again.
    t.dialogs.clear();
    catalogue::run(t.catalogue.db(), "update tabella1 set song = 'a.sid' where id = ?", {giana});
    f.Check2->click();
    EXPECT_TRUE(f.Check2->isChecked());
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
    EXPECT_EQ(titles(), QStringList{"Giana Sisters"});
}

TEST_F(MainWindowTest, FindAllAndFailedSearches)
{
    Form1 &f = open();
    const auto expect = [&](const QStringList &list, const QString &label, const QString &msg) {
        EXPECT_EQ(titles(), list);
        EXPECT_EQ(f.Label8->text(), label);
        EXPECT_EQ(t.dialogs.messages(), msg.isEmpty() ? QStringList{} : QStringList{msg});
        t.dialogs.clear();
    };
    QTest::keyClicks(f.ricerca, "rainbow+amiga");
    QTest::keyClick(f.ricerca, Qt::Key_Return);
    expect({"Turrican"}, "Search for: rainbow+amiga", "");
    EXPECT_TRUE(f.ricerca->text().isEmpty());
    f.command1->click(); // empty box: refused, the search kept
    EXPECT_EQ(t.dialogs.shown.last().title, "Error");
    EXPECT_EQ(t.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    expect({"Turrican"}, "Search for: rainbow+amiga", "Insert string to find");
    // The search stays active under a filter click; an empty result changes nothing.
    f.Check1->click();
    EXPECT_FALSE(f.Check1->isChecked());
    expect({"Turrican"}, "Search for: rainbow+amiga", "No record found for ");
    f.searchFor("say \"[hi");
    expect({"Turrican"}, "Search for: rainbow+amiga", "No record found for say \"[hi");
    f.Check1->click(); // the failed search is not left behind: the next refresh works
    f.Check1->click();
    EXPECT_EQ(titles(), QStringList{"Turrican"});
    t.dialogs.clear();
    f.NmButton4->click();
    expect({"Boulder Dash", "Giana Sisters", "Turrican"}, "", "");
}

TEST_F(MainWindowTest, DetailPanelFollowsTheSelectionAndOtherWindows)
{
    stub({"scrshots"});
    Form1 &f = open();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(scene(), "Boulder Dash,Giana Sisters,Turrican #0 Boulder Dash (3)");
    f.setListIndex(1);
    EXPECT_EQ(scene(), "Boulder Dash,Giana Sisters,Turrican #1 Giana Sisters (3)");
    const QStringList bound{f.Text1->text(), f.Text2->text(), f.Text3->text(), f.Text14->text(),
                            f.Text15->text()};
    EXPECT_EQ(bound, (QStringList{"Rainbow Arts", "Time Warp", "C64", "1987", "Platform"}));
    EXPECT_EQ(lamps(), std::pair(kGreen, kRed));
    EXPECT_EQ(entries(f.List2), (QStringList{"Armin Gessert", "Manfred Trenz", "",
                                             "----------- Additional -----------", "Jan Hill"}));
    EXPECT_TRUE(entries(f.List3).isEmpty()); // empty main column, filled additional one
    EXPECT_EQ(entries(f.List5), QStringList{"Chris Huelsbeck"});
    EXPECT_TRUE(f.Label9->isVisible()); // screen1 empty
    EXPECT_FALSE(f.Label10->isVisible());
    EXPECT_FALSE(f.Image1->pixmap().isNull());

    // The user's click on another entry.
    const QRect r = f.List1->visualRect(f.listModel()->index(2));
    QTest::mouseClick(f.List1->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(f.currentId(), turrican);
    EXPECT_EQ(lamps(), std::pair(kRed, kGreen));
    EXPECT_FALSE(f.Label9->isVisible());
    EXPECT_TRUE(f.Label10->isVisible()); // not a picture
    EXPECT_TRUE(entries(f.List2).isEmpty());

    // Other windows set lamps and screenshots through the panel.
    MainPanel *panel = t.ctx->mainwindow;
    panel->setGameLamp(true);
    panel->setMusicLamp(false);
    EXPECT_EQ(lamps(), std::pair(kGreen, kRed));
    panel->showScreenshot(2, t.temp.filePath("missing.png"));
    EXPECT_TRUE(f.Image1->pixmap().isNull());
    EXPECT_TRUE(f.Label10->isVisible());

    // Clicks on the pictures open the viewer: once, then raised.
    QTest::mouseClick(f.Image2, Qt::LeftButton);
    EXPECT_EQ(t.ctx->selectedid, turrican);
    EXPECT_EQ(t.ctx->whichshot, 1);
    QTest::mouseClick(f.Image1, Qt::LeftButton);
    EXPECT_EQ(t.ctx->whichshot, 2);
    EXPECT_EQ(opened, QStringList{"scrshots"});
    f.NmButton4->click(); // nothing selected: the game in the panel
    QTest::mouseClick(f.Image2, Qt::LeftButton);
    EXPECT_EQ(t.ctx->selectedid, boulder);
}

TEST_F(MainWindowTest, DoubleClicksRightClicksLongTitlesAndLayoutModes)
{
    const QString title = QString("Very Long Title ").repeated(12).trimmed();
    const int id = t.catalogue.addGame({{"titolo", title}, {"formato", "C64"}});
    Form1 &f = open();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const int width = f.width();
    f.setListIndex(f.cercaindex(id)); // shortened on screen only
    EXPECT_EQ(f.width(), width);
    EXPECT_EQ(f.frameTitle(), title);
    EXPECT_NE(f.Frame1->title(), title);
    EXPECT_EQ(f.Frame1->toolTip(), title);
    QTest::mouseDClick(f.Frame1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.Label8->text(), "Search for: " + title);
    EXPECT_EQ(titles(), QStringList{title});
    f.NmButton4->click();
    f.setListIndex(1); // Giana Sisters
    QTest::mouseDClick(f.Text2, Qt::LeftButton);
    EXPECT_EQ(titles(), QStringList{"Giana Sisters"});
    EXPECT_EQ(f.Label8->text(), "Search for: Time Warp");

    f.NmButton4->click();
    f.setListIndex(1);
    const QRect sep = f.List2->visualItemRect(f.List2->item(3));
    QTest::mouseDClick(f.List2->viewport(), Qt::LeftButton, {}, sep.center());
    EXPECT_EQ(t.dialogs.messages(),
              QStringList{"No record found for ----------- Additional -----------"});
    t.dialogs.clear();
    const QRect blank = f.List2->visualItemRect(f.List2->item(2));
    QTest::mouseDClick(f.List2->viewport(), Qt::LeftButton, {}, blank.center());
    EXPECT_EQ(t.dialogs.messages(), QStringList{"Insert string to find"});

    const std::pair<QWidget *, QMenu *> popups[] = {{f.Text1, f.ppt},
                                                    {f.Label25, f.ppt},
                                                    {f.Image1, f.mss},
                                                    {f.List1->viewport(), f.ass},
                                                    {f.List2->viewport(), f.ppp},
                                                    {f.List3->viewport(), f.ppd},
                                                    {f.List4->viewport(), f.pp},
                                                    {f.List5->viewport(), f.ppm}};
    for (const auto &[widget, menu] : popups) {
        QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(2, 2));
        EXPECT_TRUE(menu->isVisible()) << menu->objectName().toStdString();
        menu->hide();
    }

    // The layout modes decide what is loaded.
    f.setShowScreenshots(false);
    f.setShowGameCredits(false);
    const int shortHeight = f.height();
    f.setListIndex(1);
    EXPECT_TRUE(entries(f.List2).isEmpty());
    EXPECT_TRUE(f.Image1->pixmap().isNull());
    f.setShowGameCredits(true);
    EXPECT_GT(f.height(), shortHeight);
    EXPECT_EQ(entries(f.List2).size(), 5);
    f.setShowScreenshots(true);
    EXPECT_FALSE(f.Image1->pixmap().isNull());
}

TEST_F(MainWindowTest, EmptyAndMissingCataloguesStayUsableWithEveryNamedControl)
{
    TestContext empty;
    Form1 f(*empty.ctx);
    EXPECT_EQ(empty.dialogs.messages(), QStringList{"No record found for "});
    EXPECT_EQ(f.listCount(), 0);
    EXPECT_EQ(f.currentId(), 0);
    f.searchFor("x");
    EXPECT_EQ(f.listCount(), 0);

    t.ctx->paths.catalogue = t.temp.filePath("nowhere.mdb");
    t.ctx->closeDb();
    EXPECT_EQ(open().listCount(), 0);
    EXPECT_EQ(t.dialogs.messages(), QStringList{"Database Open Error"});
    for (const QString &name : QString("command1 NmButton4 NmButton8 NmButton7 NmButton1 NmButton2 "
                                       "NmButton3 NmButton5 List1 Text5 Picture3 Label9 Label10 "
                                       "ricerca lbldisplay sys pro cgp agp cmp amp imex new abt "
                                       "gret mds1 mdfg")
                                   .split(' '))
        EXPECT_NE(w->findChild<QObject *>(name), nullptr) << name.toStdString();
}

TEST_F(MainFixture, EditorSavesAndReactivationShowsTheResult)
{
    registerEditingWindows(*t.ctx);
    const int alpha = add("Alpha", "C64");
    const int bravo = t.catalogue.addGame(rec("titolo=Bravo|formato=C64"));
    const int charlie = add("Charlie", "Amiga");
    Form1 &f = open();
    const auto editor = [&] { return t.ctx->windows.find<Credits>("Credits"); };
    const auto field = [&](const char *name) { return editor()->findChild<QLineEdit *>(name); };

    // "mod" reselects the same entry without rebuilding the list.
    f.setListIndex(1);
    f.NmButton3->click();
    ASSERT_TRUE(editor() && editor()->isModifying());
    EXPECT_EQ(field("titolo")->text(), "Bravo");
    field("titolo")->setText("Bravo 2");
    field("SH")->setText("New House");
    editor()->Modify_Click(); // Yes from the fake dialogs; saves and closes
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(t.catalogue.value(bravo, "sh"), "New House");
    f.Form_Activate();
    EXPECT_EQ(t.ctx->refreshflag, "no");
    EXPECT_EQ(scene(), "Alpha,Bravo,Charlie #1 Bravo 2 (3)"); // the list text waits for a refresh
    EXPECT_EQ(f.Text1->text(), "New House");
    f.setListIndex(0);
    f.Form_Activate(); // consumed: nothing left to do
    EXPECT_EQ(f.currentId(), alpha);

    // Delete, then Modify works on the new selection.
    f.setListIndex(1);
    f.NmButton5->click();
    ASSERT_EQ(f.currentId(), charlie);
    f.NmButton3->click();
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(field("titolo")->text(), "Charlie");
    EXPECT_EQ(t.ctx->savedlistindex, 1);
    t.ctx->windows.closeAll();

    // "new" rebuilds and selects the added game, unless the filters keep it out.
    for (const char *formato : {"C128", "Amiga"}) {
        f.NmButton2->click();
        ASSERT_TRUE(editor() && !editor()->isModifying());
        field("titolo")->setText(QString("New ") + formato);
        editor()->findChild<QComboBox *>("formato")->setEditText(formato);
        editor()->SaveRecord_Click();
        editor()->close();
        f.Form_Activate();
        EXPECT_EQ(t.ctx->refreshflag, "no");
        if (f.Check5->isChecked()) {
            EXPECT_EQ(scene(), "Alpha,Charlie,New C128 #2 New C128 (3)");
            f.Check5->click(); // C64 only for the next one
        } else {
            EXPECT_EQ(scene(), "Alpha,New C128 #-1 Alpha (2)");
            EXPECT_EQ(t.ctx->savedlistindex, f.listCount());
        }
    }
}

TEST(Splash, HandsOverToTheMainWindowWhoseMenuOpensAbout)
{
    TestContext t;
    t.catalogue.setConfig({{"dbver", "3.1 beta"}});
    t.catalogue.addGame({{"titolo", "A"}, {"formato", "C64"}});
    registerBrowserWindows(*t.ctx);
    Splash splash(*t.ctx);
    splash.show();
    EXPECT_EQ(t.ctx->screenScale, 1.0);
    EXPECT_EQ(t.ctx->windows.find("Form1"), nullptr);
    splash.Timer1_Timer();
    auto *main = t.ctx->windows.find<Form1>("Form1");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(main->listCount(), 1);
    EXPECT_EQ(t.ctx->mainwindow, main);

    // About shows the catalogue version, read afresh at each opening.
    main->abt->trigger();
    QPointer<QWidget> about = t.ctx->windows.find("About");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->findChild<QLabel *>("lblVersion")->text(), "3.1 beta");
    t.catalogue.setConfig({{"dbver", "3.2"}});
    about->findChild<QPushButton *>("Command1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    main->abt->trigger();
    EXPECT_EQ(t.ctx->windows.find("About")->findChild<QLabel *>("lblVersion")->text(), "3.2");
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
    t.ctx->windows.closeAll();
}
