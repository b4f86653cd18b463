#include "browselists.h"
#include "exportfiles.h"
#include "importwindow.h"
#include "merrowregistry.h"
#include "pathchooser.h"
#include "testcatalogue.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>

#include <gtest/gtest.h>

class MerrowWindows : public testing::Test
{
protected:
    TestContext t;
    AppContext &ctx = *t.ctx;
    QTemporaryDir floppy;
    TestCatalogue exported;

    void SetUp() override { registerMerrowWindows(ctx); }
    void TearDown() override { ctx.windows.closeAll(); }

    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    static QStringList lines(const QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    template <class T = QPushButton> T *child(QWidget *w, const char *name)
    {
        T *c = w ? w->findChild<T *>(QLatin1String(name)) : nullptr;
        EXPECT_TRUE(c) << name;
        return c;
    }
    QString label(QWidget *w, const char *name) { return child<QLabel>(w, name)->text(); }
    QWidget *openImport(const QString &file)
    {
        ctx.nomef = file;
        return ctx.windows.show("Form1");
    }
};

TEST_F(MerrowWindows, MenuChooserAndTheWindowItOpens)
{
    auto *menu = qobject_cast<QMainWindow *>(ctx.windows.show("Form3"));
    ASSERT_TRUE(menu);
    const auto choose = [&](const char *action) {
        child<QAction>(menu, action)->trigger();
        return qobject_cast<merrow::sfoglia *>(ctx.windows.find("sfoglia"));
    };
    auto *chooser = choose("exp");
    ASSERT_TRUE(chooser);
    EXPECT_EQ(chooser->windowTitle(), "Select Export Path");
    // Open already: the caption stays, the direction follows the menu.
    EXPECT_EQ(choose("imp"), chooser);
    EXPECT_EQ(ctx.cosa, "imp");
    EXPECT_EQ(chooser->windowTitle(), "Select Export Path");
    // A root gets the name directly.
    EXPECT_EQ(child<DirListBox>(chooser, "Dir1")->path(),
              QDir::toNativeSeparators(QDir::rootPath()));
    child(chooser, "Command1")->click();
    settle();
    EXPECT_EQ(ctx.nomef, QDir::toNativeSeparators(QDir::rootPath()) + "export.mdb");
    EXPECT_FALSE(ctx.windows.find("sfoglia"));
    EXPECT_TRUE(ctx.windows.find("Form1"));
    EXPECT_FALSE(ctx.windows.find("Form2"));
    ctx.windows.closeAll();
    settle();

    menu = qobject_cast<QMainWindow *>(ctx.windows.show("Form3"));
    chooser = choose("imp");
    ASSERT_TRUE(chooser);
    EXPECT_EQ(chooser->windowTitle(), "Select Import Path");
    choose("exp");
    auto *dir = child<DirListBox>(chooser, "Dir1");
    ASSERT_TRUE(dir->setPath(floppy.path()));
    t.dialogs.clear();
    chooser->Drive1_Change(floppy.filePath("not/mounted"));
    EXPECT_EQ(dir->path(), QDir::toNativeSeparators(floppy.path()));
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().contains("cannot be read"));
    EXPECT_EQ(t.dialogs.shown.last().title, "Error");
    child(chooser, "Command1")->click();
    settle();
    EXPECT_EQ(ctx.nomef,
              QDir::toNativeSeparators(floppy.path()) + QDir::separator() + "export.mdb");
    EXPECT_TRUE(ctx.windows.find("Form2"));

    const int beeps = t.dialogs.beeps();
    child<QAction>(menu, "abo")->trigger();
    EXPECT_TRUE(ctx.windows.find("Form4"));
    EXPECT_EQ(t.dialogs.beeps(), beeps + 1);
}

TEST_F(MerrowWindows, ImportWindowListsComparesSelectsAndTransfers)
{
    exported.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"sh", "Firebird"}});
    exported.addGame({{"titolo", "Agony"}, {"formato", "Amiga"}, {"year", "1992"}});
    exported.addGame({{"titolo", "Zool"}, {"formato", "Amiga 1.3"}});
    t.catalogue.addGame({{"titolo", "elite"}, {"formato", "C64"}, {"sh", "old"}, {"year", "1985"}});
    QWidget *w = openImport(exported.path());
    ASSERT_TRUE(w);
    auto *list1 = child<QListWidget>(w, "List1");
    auto *list2 = child<QListWidget>(w, "List2");
    auto *list3 = child<QListWidget>(w, "List3");
    EXPECT_EQ(lines(list1), QStringList({"C64   Elite", "Amiga Agony", "A 1.3 Zool"}));
    EXPECT_EQ(label(w, "Label1"), "3");

    // Select and deselect with nothing highlighted.
    child(w, "Command1")->click();
    child(w, "Command4")->click();
    EXPECT_EQ(t.dialogs.messages(),
              QStringList({"Select game to SELECT", "Select game to DESELECT"}));
    EXPECT_EQ(label(w, "Label3"), "0");

    list1->setCurrentRow(0);
    EXPECT_EQ(lines(list3),
              QStringList({"Publisher  : old -> Firebird", "Year       : 1985 -> EMPTY"}));
    EXPECT_EQ(list3->item(1)->data(Qt::UserRole), list1->item(0)->data(Qt::UserRole));
    list1->setCurrentRow(1);
    EXPECT_EQ(lines(list3), QStringList({"NEW GAME"}));

    child(w, "Command1")->click();
    child(w, "Command1")->click();
    EXPECT_EQ(lines(list2), QStringList({"Amiga Agony", "Amiga Agony"}));
    EXPECT_EQ(list2->item(1)->data(Qt::UserRole), list1->item(1)->data(Qt::UserRole));
    EXPECT_EQ(label(w, "Label3"), "2");
    list2->setCurrentRow(0);
    child(w, "Command4")->click();
    EXPECT_EQ(label(w, "Label3"), "1");
    // The deselected line leaves nothing highlighted behind it.
    child(w, "Command4")->click();
    EXPECT_EQ(list2->count(), 1);

    t.dialogs.clear();
    t.dialogs.answers = {false};
    child(w, "Command7")->click();
    EXPECT_EQ(t.dialogs.questions(), QStringList({"Start tansfert ALL Games?"}));
    EXPECT_EQ(t.catalogue.count(), 1);

    t.dialogs.clear();
    child(w, "Command5")->click();
    EXPECT_EQ(t.dialogs.questions(), QStringList({"Start tansfert NEW Games?"}));
    EXPECT_EQ(t.dialogs.messages(), QStringList({"Trasfer COMPLETED!"}));
    EXPECT_EQ(t.dialogs.shown.last().title, "End");
    EXPECT_EQ(lines(list3), QStringList({"Added Agony for Amiga", "Added Zool for Amiga 1.3"}));
    EXPECT_EQ(label(w, "Label8"), "2");
    EXPECT_EQ(label(w, "Label9"), "0");
    EXPECT_EQ(t.catalogue.count(), 3);

    // Selected: appends to the log, the selection stays.
    t.dialogs.clear();
    child(w, "Command6")->click();
    EXPECT_EQ(t.dialogs.questions(), QStringList({"Start tansfert SELECTED Games?"}));
    EXPECT_EQ(lines(list3).mid(2), QStringList({"Modified Agony for Amiga"}));
    EXPECT_EQ(label(w, "Label8"), "0");
    EXPECT_EQ(label(w, "Label9"), "1");
    EXPECT_EQ(list2->count(), 1);
}

TEST_F(MerrowWindows, FailedLoadSaysSoAndDisablesTransfers)
{
    // No file at all: only the floppy message.
    QWidget *w = openImport(floppy.filePath("export.mdb"));
    EXPECT_EQ(t.dialogs.messages(), QStringList({"Unable to read from Floppy!"}));
    w->close();
    settle();

    QByteArray jet(2048, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    writeBytes(floppy.filePath("export.mdb"), jet);
    t.dialogs.clear();
    w = openImport(floppy.filePath("export.mdb"));
    ASSERT_TRUE(w);
    EXPECT_EQ(t.dialogs.messages(),
              QStringList({"Database Open Error", "Unable to read from Floppy!"}));
    EXPECT_EQ(t.dialogs.shown.last().title, "Error");
    EXPECT_EQ(t.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    EXPECT_EQ(child<QListWidget>(w, "List1")->count(), 0);
    EXPECT_TRUE(child<QLabel>(w, "Label10")->isVisible());
    for (const char *b : {"Command5", "Command6", "Command7"})
        EXPECT_FALSE(child(w, b)->isEnabled()) << b;
    // Even when called directly nothing is written.
    t.dialogs.clear();
    qobject_cast<merrow::Form1 *>(w)->Command7_Click();
    EXPECT_EQ(t.dialogs.messages(), QStringList({"Unable to read from Floppy!"}));
    EXPECT_EQ(t.catalogue.count(), 0);
}

TEST_F(MerrowWindows, ExportWindowRunsThePipelineOrNamesTheFailedStep)
{
    t.catalogue.addGame({{"titolo", "Mine"}, {"formato", "C64"}, {"dbver", "Private"}});
    ctx.nomef = floppy.filePath("gone/export.mdb");
    QWidget *w = ctx.windows.show("Form2");
    ASSERT_TRUE(w);
    EXPECT_EQ(label(w, "Label1"), "Press Start to Export");
    t.dialogs.answers = {false};
    child(w, "Command1")->click();
    EXPECT_EQ(t.dialogs.questions(), QStringList({"Confirm Start?"}));
    EXPECT_TRUE(t.dialogs.messages().isEmpty());

    t.dialogs.clear();
    child(w, "Command1")->click();
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().contains("Copy Export Database on Floppy"));
    EXPECT_EQ(t.dialogs.shown.last().title, "Error");
    settle();
    EXPECT_TRUE(ctx.windows.find("Form2"));
    EXPECT_TRUE(child(w, "Command1")->isEnabled());

    ctx.nomef = floppy.filePath("export.mdb");
    t.dialogs.clear();
    child(w, "Command1")->click();
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().startsWith("Transfer Completed. Send the file to "));
    EXPECT_EQ(t.dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(t.dialogs.shown.last().title, "Attention");
    EXPECT_TRUE(QFile::exists(ctx.nomef));
    settle();
    EXPECT_FALSE(ctx.windows.find("Form2"));
}
