#include "gamelistmodel.h"
#include "mainwindow.h"
#include "testcatalogue.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace
{

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

QColor lamp(QLabel *picture)
{
    return picture->palette().color(QPalette::Window);
}

QStringList entries(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

class MainWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        shot = t.temp.filePath("shot.png");
        QImage picture(320, 200, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        ASSERT_TRUE(picture.save(shot));
        notPicture = t.temp.filePath("broken.png");
        QFile f(notPicture);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();

        t.catalogue.setConfig({{"dbver", "2.07"}});
        giana = t.catalogue.addGame({{"titolo", "Giana Sisters"},
                                     {"sh", "Rainbow Arts"},
                                     {"team", "Time Warp"},
                                     {"formato", "C64"},
                                     {"year", "1987"},
                                     {"tipo", "Platform"},
                                     {"programming", "Armin Gessert, Manfred Trenz"},
                                     {"addprogramming", "Jan Hill"},
                                     {"music", "Chris Huelsbeck"},
                                     {"design", ""},
                                     {"adddesign", "Nobody"},
                                     {"emul1", "/games/giana.d64"},
                                     {"screen1", ""},
                                     {"screen2", shot}});
        turrican = t.catalogue.addGame({{"titolo", "Turrican"},
                                        {"sh", "Rainbow Arts"},
                                        {"formato", "Amiga 2.x"},
                                        {"song", "/music/t.mod"},
                                        {"screen1", shot},
                                        {"screen2", notPicture}});
        boulder = t.catalogue.addGame({{"titolo", "Boulder Dash"},
                                       {"sh", "First Star"},
                                       {"formato", "C128"},
                                       {"emul1", "/games/bd.d64"},
                                       {"note", "uniqueword"}});
    }

    void writeState(const QByteArray &text)
    {
        QFile f(t.ctx->paths.stateFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

    QByteArray readState()
    {
        QFile f(t.ctx->paths.stateFile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    Form1 &open()
    {
        w = std::make_unique<Form1>(*t.ctx);
        return *w;
    }

    QStringList titles() const
    {
        QStringList out;
        for (const auto &row : w->listModel()->rows())
            out << row.titolo;
        return out;
    }

    TestContext t;
    std::unique_ptr<Form1> w;
    QString shot, notPicture;
    int giana = 0, turrican = 0, boulder = 0;
};

} // namespace

TEST_F(MainWindowTest, FirstRunShowsDefaultsAndClosingWritesTheStateFile)
{
    Form1 &f = open();
    EXPECT_EQ(t.ctx->mainwindow, &f);
    EXPECT_TRUE(f.Check4->isChecked());
    EXPECT_TRUE(f.Check5->isChecked());
    EXPECT_FALSE(f.Check1->isChecked());
    EXPECT_FALSE(f.Check2->isChecked());
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters", "Turrican"}));
    EXPECT_EQ(f.lbldisplay->text(), "3");
    EXPECT_EQ(f.listIndex(), 0);
    EXPECT_EQ(f.currentId(), boulder);
    EXPECT_EQ(f.Frame1->title(), "Boulder Dash");
    EXPECT_TRUE(t.dialogs.shown.isEmpty());

    f.Check1->click();
    f.close();
    EXPECT_EQ(readState(), "11111000\r\n");
    w.reset();
    EXPECT_EQ(t.ctx->mainwindow, nullptr);
}

TEST_F(MainWindowTest, StateFileAllOnAndAllOff)
{
    writeState("11111111\r\n");
    t.catalogue.addGame({{"titolo", "Both"}, {"formato", "C64"}, {"emul1", "x"}, {"song", "y"}});
    Form1 &f = open();
    for (QCheckBox *box : {f.Check4, f.Check5, f.Check1, f.Check2})
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_TRUE(f.showGameCredits());
    EXPECT_TRUE(f.showScreenshots());
    EXPECT_EQ(t.ctx->fellowgui, 1);
    EXPECT_EQ(t.ctx->uaegui, 1);
    EXPECT_EQ(titles(), QStringList{"Both"});
    f.close();
    EXPECT_EQ(readState(), "11111111\r\n");
    w.reset();

    writeState("00000000");
    Form1 &g = open();
    for (QCheckBox *box : {g.Check4, g.Check5, g.Check1, g.Check2})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_FALSE(g.showGameCredits());
    EXPECT_FALSE(g.showScreenshots());
    EXPECT_EQ(t.ctx->fellowgui, 0);
    // No machine box: the machine does not restrict the list.
    EXPECT_EQ(g.listCount(), 4);
    // The first machine box ticked narrows to its family.
    g.Check5->click();
    EXPECT_EQ(titles(), QStringList{"Turrican"});
    g.close();
    EXPECT_EQ(readState(), "01000000\r\n");
}

TEST_F(MainWindowTest, ShortAndGarbageStateFiles)
{
    writeState("1");
    Form1 &f = open();
    EXPECT_TRUE(f.Check4->isChecked());
    EXPECT_FALSE(f.Check5->isChecked());
    EXPECT_FALSE(f.showGameCredits());
    EXPECT_FALSE(f.showScreenshots());
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters"}));
    w.reset();

    writeState("x1y1z1w1,11111111");
    Form1 &g = open();
    EXPECT_FALSE(g.Check4->isChecked());
    EXPECT_TRUE(g.Check5->isChecked());
    EXPECT_TRUE(g.showGameCredits());
    EXPECT_FALSE(g.showScreenshots());
    EXPECT_TRUE(g.Check2->isChecked());
    EXPECT_EQ(t.ctx->uaegui, 1);
    EXPECT_EQ(titles(), QStringList{"Turrican"});
}

TEST_F(MainWindowTest, MachineBoxesNeverAllOff)
{
    Form1 &f = open();
    f.Check5->click();
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters"}));
    int resets = 0;
    QObject::connect(f.listModel(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    f.Check4->click(); // the last machine box: ticked again at once
    EXPECT_TRUE(f.Check4->isChecked());
    EXPECT_FALSE(f.Check5->isChecked());
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters"}));
}

TEST_F(MainWindowTest, SoundWithNoQualifyingGameIsUntickedOnce)
{
    t.catalogue.db().exec("update tabella1 set song = '' where id = " + QString::number(turrican));
    Form1 &f = open();
    f.Check2->click();
    EXPECT_FALSE(f.Check2->isChecked());
    EXPECT_EQ(t.dialogs.messages(), QStringList{"No record found for "});
    EXPECT_EQ(t.dialogs.beeps(), 1);
    EXPECT_EQ(f.listCount(), 3);
    EXPECT_EQ(f.lastfilterbox(), "sid");

    // The flag was consumed: the next tick is the user's and refreshes again.
    t.dialogs.clear();
    t.catalogue.db().exec("update tabella1 set song = 'a.sid' where id = " +
                          QString::number(giana));
    f.Check2->click();
    EXPECT_TRUE(f.Check2->isChecked());
    EXPECT_TRUE(t.dialogs.shown.isEmpty());
    EXPECT_EQ(titles(), QStringList{"Giana Sisters"});
}

TEST_F(MainWindowTest, PlayableAndSoundNarrowTheList)
{
    Form1 &f = open();
    f.Check1->click();
    EXPECT_EQ(titles(), (QStringList{"Boulder Dash", "Giana Sisters"}));
    f.Check1->click();
    f.Check2->click();
    EXPECT_EQ(titles(), QStringList{"Turrican"});
    EXPECT_EQ(f.lbldisplay->text(), "1");
    // No selection after a refresh; the panel stands on the first game.
    EXPECT_EQ(f.listIndex(), -1);
    EXPECT_EQ(f.Frame1->title(), "Turrican");
}

TEST_F(MainWindowTest, FindAllAndTheSearchCaption)
{
    Form1 &f = open();
    QTest::keyClicks(f.ricerca, "rainbow+amiga");
    f.command1->click();
    EXPECT_EQ(titles(), QStringList{"Turrican"});
    EXPECT_EQ(f.Label8->text(), "Search for: rainbow+amiga");
    EXPECT_TRUE(f.ricerca->text().isEmpty());

    // The search stays active under a filter click.
    f.Check1->click();
    EXPECT_EQ(t.dialogs.messages(), QStringList{"No record found for "});
    EXPECT_EQ(titles(), QStringList{"Turrican"});
    // The list did not change, and neither did the boxes and the caption that describe it.
    EXPECT_FALSE(f.Check1->isChecked());
    EXPECT_EQ(f.Label8->text(), "Search for: rainbow+amiga");

    f.NmButton4->click();
    EXPECT_EQ(f.listCount(), 3);
    EXPECT_TRUE(f.Label8->text().isEmpty());
}

TEST_F(MainWindowTest, FindRefusalsAndEmptyResults)
{
    Form1 &f = open();
    f.ricerca->setText("turrican");
    QTest::keyClick(f.ricerca, Qt::Key_Return);
    EXPECT_EQ(titles(), QStringList{"Turrican"});

    f.command1->click(); // empty box
    EXPECT_EQ(t.dialogs.messages(), QStringList{"Insert string to find"});
    EXPECT_EQ(t.dialogs.shown.last().title, "Error");
    EXPECT_EQ(t.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    EXPECT_EQ(titles(), QStringList{"Turrican"}); // a plain refresh keeps the search
    t.dialogs.clear();

    f.searchFor("uniqueword"); // only in note
    EXPECT_EQ(t.dialogs.messages(), QStringList{"No record found for uniqueword"});
    EXPECT_EQ(titles(), QStringList{"Turrican"});
    EXPECT_EQ(f.Label8->text(), "Search for: turrican");
    EXPECT_TRUE(f.ricerca->text().isEmpty());
    // The failed search is not left behind: the next refresh works.
    t.dialogs.clear();
    f.Check1->click();
    f.Check1->click();
    EXPECT_EQ(titles(), QStringList{"Turrican"});

    t.dialogs.clear();
    f.searchFor("say \"[hi");
    EXPECT_EQ(t.dialogs.messages(), QStringList{"No record found for say \"[hi"});
}

TEST_F(MainWindowTest, DetailPanelShowsTheSelectedGame)
{
    Form1 &f = open();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.setListIndex(1);
    EXPECT_EQ(f.currentId(), giana);
    EXPECT_EQ(f.Frame1->title(), "Giana Sisters");
    EXPECT_EQ(f.Text1->text(), "Rainbow Arts");
    EXPECT_EQ(f.Text2->text(), "Time Warp");
    EXPECT_EQ(f.Text3->text(), "C64");
    EXPECT_EQ(f.Text14->text(), "1987");
    EXPECT_EQ(f.Text15->text(), "Platform");
    EXPECT_EQ(lamp(f.Picture3), kGreen);
    EXPECT_EQ(lamp(f.Picture4), kRed);
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
    EXPECT_EQ(lamp(f.Picture3), kRed);
    EXPECT_EQ(lamp(f.Picture4), kGreen);
    EXPECT_FALSE(f.Label9->isVisible());
    EXPECT_TRUE(f.Label10->isVisible()); // not a picture
    EXPECT_TRUE(entries(f.List2).isEmpty());
}

TEST_F(MainWindowTest, LongTitlesAreShortenedOnScreenOnly)
{
    const QString title = QString("Very Long Title ").repeated(12).trimmed();
    const int id = t.catalogue.addGame({{"titolo", title}, {"formato", "C64"}});
    Form1 &f = open();
    f.show();
    const int width = f.width();
    f.setListIndex(f.cercaindex(id));
    EXPECT_EQ(f.width(), width);
    EXPECT_EQ(f.frameTitle(), title);
    EXPECT_NE(f.Frame1->title(), title);
    EXPECT_EQ(f.Frame1->toolTip(), title);
    QTest::mouseDClick(f.Frame1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.Label8->text(), "Search for: " + title);
    EXPECT_EQ(titles(), QStringList{title});
}

TEST_F(MainWindowTest, UnwritableStateFileIsReportedOnClose)
{
    Form1 &f = open();
    t.ctx->paths.stateFile = t.temp.filePath("no/such/folder/Vantrel.ini");
    f.close();
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().startsWith("The settings could not be saved"));
}

TEST_F(MainWindowTest, LayoutModesDecideWhatIsLoaded)
{
    Form1 &f = open();
    f.show();
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
    f.close();
    EXPECT_EQ(readState(), "11110000\r\n");
}

TEST_F(MainWindowTest, DoubleClicksSearchAndRightClicksPopMenus)
{
    Form1 &f = open();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
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
    EXPECT_EQ(f.mdname->text(), "Name");
    EXPECT_EQ(f.ppt->actions().size(), 5);
}

TEST_F(MainWindowTest, ImageClicksOpenTheViewer)
{
    int opened = 0;
    t.ctx->windows.addFactory("scrshots", [&] {
        ++opened;
        return new QWidget;
    });
    Form1 &f = open();
    f.show();
    f.setListIndex(2);
    QTest::mouseClick(f.Image2, Qt::LeftButton);
    EXPECT_EQ(t.ctx->selectedid, turrican);
    EXPECT_EQ(t.ctx->whichshot, 1);
    QTest::mouseClick(f.Image1, Qt::LeftButton);
    EXPECT_EQ(t.ctx->whichshot, 2);
    EXPECT_EQ(opened, 1); // shown once, then raised
    // Nothing selected: the game in the panel.
    f.NmButton4->click();
    QTest::mouseClick(f.Image2, Qt::LeftButton);
    EXPECT_EQ(t.ctx->selectedid, boulder);
    t.ctx->windows.closeAll();
}

TEST_F(MainWindowTest, ReactivationAfterModifyReselectsWithoutRebuilding)
{
    Form1 &f = open();
    f.setListIndex(1);
    t.catalogue.db().exec("update tabella1 set titolo = 'Giana 2', sh = 'Changed', "
                          "programming = 'New Name' where id = " +
                          QString::number(giana));
    t.ctx->editmode = "mod";
    t.ctx->selectedid = giana;
    t.ctx->savedlistindex = 1;
    t.ctx->refreshflag = "yes";
    f.Form_Activate();
    EXPECT_EQ(t.ctx->refreshflag, "no");
    EXPECT_EQ(f.listIndex(), 1);
    EXPECT_EQ(f.Text1->text(), "Changed");
    EXPECT_EQ(f.Frame1->title(), "Giana 2");
    EXPECT_EQ(entries(f.List2).first(), "New Name");
    EXPECT_EQ(titles().at(1), "Giana Sisters"); // list text unchanged until a refresh

    // Consumed: a second activation does nothing.
    f.setListIndex(0);
    f.Form_Activate();
    EXPECT_EQ(f.listIndex(), 0);
}

TEST_F(MainWindowTest, ReactivationAfterNewSelectsTheNewGameWhenListed)
{
    Form1 &f = open();
    const int added = t.catalogue.addGame({{"titolo", "Archon"}, {"formato", "C64"}});
    t.ctx->editmode = "new";
    t.ctx->refreshflag = "yes";
    f.Form_Activate();
    EXPECT_EQ(t.ctx->refreshflag, "no");
    EXPECT_EQ(f.listCount(), 4);
    EXPECT_EQ(t.ctx->savedlistindex, 0);
    EXPECT_EQ(f.listIndex(), 0);
    EXPECT_EQ(f.currentId(), added);

    // Kept out by the filters: the refresh's state stays.
    f.Check5->click(); // C64 only
    t.catalogue.addGame({{"titolo", "Zool"}, {"formato", "Amiga"}});
    t.ctx->refreshflag = "yes";
    f.Form_Activate();
    EXPECT_EQ(t.ctx->savedlistindex, f.listCount());
    EXPECT_EQ(f.listIndex(), -1);
    EXPECT_EQ(f.Frame1->title(), "Archon");
}

TEST_F(MainWindowTest, OtherWindowsSetLampsAndScreenshots)
{
    Form1 &f = open();
    f.show();
    MainPanel *panel = t.ctx->mainwindow;
    ASSERT_EQ(panel, &f);
    panel->setGameLamp(true);
    panel->setMusicLamp(false);
    EXPECT_EQ(lamp(f.Picture3), kGreen);
    EXPECT_EQ(lamp(f.Picture4), kRed);
    panel->showScreenshot(1, shot);
    EXPECT_FALSE(f.Image2->pixmap().isNull());
    EXPECT_FALSE(f.Label9->isVisible());
    panel->showScreenshot(2, t.temp.filePath("missing.png"));
    EXPECT_TRUE(f.Image1->pixmap().isNull());
    EXPECT_TRUE(f.Label10->isVisible());
}

TEST_F(MainWindowTest, ControlsCarryTheirDocumentedNamesAndCaptions)
{
    Form1 &f = open();
    const std::pair<const char *, const char *> buttons[] = {
        {"command1", "Find"},        {"NmButton4", "ALL"},   {"NmButton8", "    PLAY"},
        {"NmButton7", "Play Music"}, {"NmButton1", "Info"},  {"NmButton2", "NEW"},
        {"NmButton3", "Modify"},     {"NmButton5", "Delete"}};
    for (const auto &[name, caption] : buttons) {
        auto *b = f.findChild<QPushButton *>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), caption);
    }
    const std::pair<const char *, const char *> items[] = {
        {"sys", "System"},           {"pro", "Program"},         {"cgp", "C64 GamePlayer"},
        {"agp", "Amiga GamePlayer"}, {"cmp", "C64 MusicPlayer"}, {"amp", "Amiga MusicPlayer"},
        {"imex", "Import/Export"},   {"new", "What's new"},      {"abt", "About"},
        {"gret", "Greetings"},       {"mds1", "Screenshot 1"},   {"mdfg", "File Game"},
        {"mdp", "Modify"},           {"mdyear", "Year"}};
    for (const auto &[name, caption] : items) {
        auto *a = f.findChild<QAction *>(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), caption);
    }
    for (const char *name : {"List1", "Text5", "Text12", "Picture3", "Label9", "Label10"})
        EXPECT_NE(f.findChild<QWidget *>(name), nullptr) << name;
    EXPECT_EQ(f.findChild<QLabel *>("Label1")->text(), "Games");
}

TEST_F(MainWindowTest, EmptyCatalogueReportsAndStaysUsable)
{
    TestContext empty;
    Form1 f(*empty.ctx);
    EXPECT_EQ(empty.dialogs.messages(), QStringList{"No record found for "});
    EXPECT_EQ(f.listCount(), 0);
    EXPECT_EQ(f.currentId(), 0);
    f.searchFor("x");
    EXPECT_EQ(f.listCount(), 0);
}

TEST_F(MainWindowTest, MissingCatalogueSaysDatabaseOpenError)
{
    t.ctx->paths.catalogue = t.temp.filePath("nowhere.mdb");
    t.ctx->closeDb();
    Form1 &f = open();
    EXPECT_EQ(t.dialogs.messages(), QStringList{"Database Open Error"});
    EXPECT_EQ(f.listCount(), 0);
}
