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
    // Texts of the named labels, joined by blanks.
    QString labels(QWidget *w, const QString &names)
    {
        QStringList out;
        for (const QString &name : names.split(' '))
            out << child<QLabel>(w, qPrintable(name))->text();
        return out.join(' ');
    }
    // Clicks a button and returns the questions and messages it brought up, in order.
    QStringList click(QWidget *w, const char *button)
    {
        t.dialogs.clear();
        child(w, button)->click();
        QStringList out;
        for (const FakeDialogs::Shown &s : t.dialogs.shown)
            if (s.kind != FakeDialogs::Shown::Beep)
                out << s.text;
        return out;
    }
    // Title and icon of the last box shown.
    QString box() const
    {
        return t.dialogs.shown.last().title + ' ' +
               QString::number(int(t.dialogs.shown.last().icon));
    }
    QWidget *openImport(const QString &file)
    {
        ctx.nomef = file;
        return ctx.windows.show("Form1");
    }
};

TEST_F(MerrowWindows, MenuChooserAndTheWindowItOpens)
{
    auto *menu = qobject_cast<QMainWindow *>(ctx.windows.show("Form3"));
    const auto choose = [&](const char *action) {
        child<QAction>(menu, action)->trigger();
        return qobject_cast<merrow::sfoglia *>(ctx.windows.find("sfoglia"));
    };
    auto *chooser = choose("exp");
    ASSERT_TRUE(chooser);
    // Open already: the caption stays, the direction follows the menu.
    EXPECT_EQ(choose("imp"), chooser);
    EXPECT_EQ(ctx.cosa, "imp");
    EXPECT_EQ(chooser->windowTitle(), "Select Export Path");
    auto *dir = child<DirListBox>(chooser, "Dir1");
    ASSERT_TRUE(dir->setPath(floppy.path()));
    chooser->Drive1_Change(floppy.filePath("not/mounted"));
    EXPECT_EQ(dir->path(), QDir::toNativeSeparators(floppy.path()));
    EXPECT_TRUE(t.dialogs.messages().size() == 1 &&
                t.dialogs.messages()[0].contains("cannot be read"));
    EXPECT_TRUE(box().startsWith("Error "));
    click(chooser, "Command1");
    settle();
    EXPECT_EQ(ctx.nomef,
              QDir::toNativeSeparators(floppy.path()) + QDir::separator() + "export.mdb");
    EXPECT_TRUE(!ctx.windows.find("sfoglia") && ctx.windows.find("Form1") &&
                !ctx.windows.find("Form2"));
    ctx.windows.closeAll();
    settle();

    menu = qobject_cast<QMainWindow *>(ctx.windows.show("Form3"));
    EXPECT_EQ(choose("imp")->windowTitle(), "Select Import Path");
    click(choose("exp"), "Command1");
    settle();
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
    auto *list1 = child<QListWidget>(w, "List1"), *list2 = child<QListWidget>(w, "List2"),
         *list3 = child<QListWidget>(w, "List3");
    EXPECT_EQ(lines(list1), QStringList({"C64   Elite", "Amiga Agony", "A 1.3 Zool"}));
    EXPECT_EQ(labels(w, "Label1 Label3"), "3 0");
    EXPECT_EQ(click(w, "Command1"), QStringList{"Select game to SELECT"}); // nothing highlighted
    EXPECT_EQ(click(w, "Command4"), QStringList{"Select game to DESELECT"});

    list1->setCurrentRow(0);
    EXPECT_EQ(lines(list3),
              QStringList({"Publisher  : old -> Firebird", "Year       : 1985 -> EMPTY"}));
    EXPECT_EQ(list3->item(1)->data(Qt::UserRole), list1->item(0)->data(Qt::UserRole));
    list1->setCurrentRow(1);
    EXPECT_EQ(lines(list3), QStringList({"NEW GAME"}));
    click(w, "Command1");
    click(w, "Command1");
    EXPECT_EQ(lines(list2), QStringList({"Amiga Agony", "Amiga Agony"}));
    EXPECT_EQ(list2->item(1)->data(Qt::UserRole), list1->item(1)->data(Qt::UserRole));
    EXPECT_EQ(labels(w, "Label3"), "2");
    list2->setCurrentRow(0);
    click(w, "Command4");
    EXPECT_EQ(labels(w, "Label3"), "1");
    click(w, "Command4"); // the deselected line leaves nothing highlighted behind it
    EXPECT_EQ(list2->count(), 1);

    t.dialogs.answers = {false};
    EXPECT_EQ(click(w, "Command7"), QStringList{"Start tansfert ALL Games?"});
    EXPECT_EQ(t.catalogue.count(), 1);
    EXPECT_EQ(click(w, "Command5"),
              QStringList({"Start tansfert NEW Games?", "Trasfer COMPLETED!"}));
    EXPECT_TRUE(box().startsWith("End "));
    EXPECT_EQ(lines(list3), QStringList({"Added Agony for Amiga", "Added Zool for Amiga 1.3"}));
    EXPECT_EQ(labels(w, "Label8 Label9"), "2 0");
    EXPECT_EQ(t.catalogue.count(), 3);
    // Selected: appends to the log, the selection stays.
    EXPECT_EQ(click(w, "Command6").value(0), "Start tansfert SELECTED Games?");
    EXPECT_EQ(lines(list3).mid(2), QStringList({"Modified Agony for Amiga"}));
    EXPECT_EQ(labels(w, "Label8 Label9"), "0 1");
    EXPECT_EQ(list2->count(), 1);
}

TEST_F(MerrowWindows, FailedLoadSaysSoAndDisablesTransfers)
{
    QWidget *w = openImport(floppy.filePath("export.mdb")); // no file at all: only this message
    EXPECT_EQ(t.dialogs.messages(), QStringList({"Unable to read from Floppy!"}));
    w->close();
    settle();
    QByteArray jet(2048, '\0');
    writeBytes(floppy.filePath("export.mdb"), jet.replace(4, 15, "Standard Jet DB"));
    t.dialogs.clear();
    w = openImport(floppy.filePath("export.mdb"));
    EXPECT_EQ(t.dialogs.messages(),
              QStringList({"Database Open Error", "Unable to read from Floppy!"}));
    EXPECT_EQ(box(), "Error " + QString::number(int(Dialogs::Icon::Critical)));
    EXPECT_EQ(child<QListWidget>(w, "List1")->count(), 0);
    EXPECT_TRUE(child<QLabel>(w, "Label10")->isVisible());
    for (const char *b : {"Command5", "Command6", "Command7"})
        EXPECT_FALSE(child(w, b)->isEnabled()) << b;
    t.dialogs.clear(); // even when called directly nothing is written
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
    EXPECT_EQ(labels(w, "Label1"), "Press Start to Export");
    t.dialogs.answers = {false};
    EXPECT_EQ(click(w, "Command1"), QStringList{"Confirm Start?"});
    const QStringList failed = click(w, "Command1");
    EXPECT_TRUE(failed.size() == 2 && failed[1].contains("Copy Export Database on Floppy"));
    EXPECT_TRUE(box().startsWith("Error "));
    settle();
    EXPECT_TRUE(ctx.windows.find("Form2") && child(w, "Command1")->isEnabled());
    ctx.nomef = floppy.filePath("export.mdb");
    EXPECT_TRUE(click(w, "Command1").value(1).startsWith("Transfer Completed. Send the file to "));
    EXPECT_EQ(box(), "Attention " + QString::number(int(Dialogs::Icon::Exclamation)));
    EXPECT_TRUE(QFile::exists(ctx.nomef));
    settle();
    EXPECT_FALSE(ctx.windows.find("Form2"));
}
