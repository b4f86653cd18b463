#include "configrecord.h"
#include "configregistry.h"
#include "configwindow.h"

#include "database.h"
#include "testcatalogue.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

configrecord::Values allPaths(const QString &prefix)
{
    configrecord::Values v;
    for (const configrecord::Field &f : configrecord::fields())
        v.insert(f.column, prefix + f.column);
    return v;
}

// The configuration windows over a catalogue whose record holds a few paths, with a
// stand-in chooser that records its mode, leaves `result` and closes as "OK" does.
struct ConfigTest : testing::Test {
    ConfigTest()
    {
        t.catalogue.setConfig(
            {{"ccs64", "/emu/ccs64.exe"}, {"music64", "/music/c64/"}, {"dbver", "3.0"}});
        registerConfigWindows(*t.ctx);
        t.ctx->windows.addFactory("sfoglia", [this] {
            auto *w = new QWidget;
            modes << t.ctx->browsemode;
            t.ctx->browsepath = result;
            QTimer::singleShot(0, w, &QWidget::close);
            return w;
        });
    }
    QWidget *open(const char *name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return t.ctx->windows.show(name);
    }
    bool isOpen(const char *name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return t.ctx->windows.find(name);
    }
    QString stored(const char *column) { return t.catalogue.value(0, column).toString(); }
    template <class T = QPushButton> static T *get(QWidget *w, const QString &name)
    {
        T *c = w->findChild<T *>(name);
        EXPECT_TRUE(c) << name.toStdString();
        return c;
    }
    static QCheckBox *check(QWidget *w, int n)
    {
        return get<QCheckBox>(w, QString("Check%1").arg(n));
    }

    TestContext t;
    QStringList modes;
    QString result;
};

} // namespace

TEST(ConfigRecord, StoresOnlyTheFirstRowWithNullForEmptyAndTextAsTyped)
{
    TestCatalogue c;
    QString error = "stale";
    EXPECT_TRUE(configrecord::load(c.db(), &error).isEmpty() && error.isEmpty());
    configrecord::Values v = allPaths("C:\\it's \"here\"\\[x]%\\");
    v["uae"] = "";
    ASSERT_TRUE(configrecord::store(c.db(), v, &error)) << error.toStdString();
    EXPECT_EQ(configrecord::load(c.db(), &error), v) << "Null comes back as empty text";
    EXPECT_TRUE(c.value(0, "uae").isNull());

    catalogue::run(c.db(), "update tabella2 set dbver = '2.1'");
    catalogue::run(c.db(), "insert into tabella2 (vice) values ('/second/vice')");
    ASSERT_TRUE(configrecord::store(c.db(), {{"vice", "/new/vice"}}, &error));
    EXPECT_EQ(catalogue::fetchOne(c.db(), "select group_concat(vice, '|') from tabella2")
                  ->value(0)
                  .toString(),
              "/new/vice|/second/vice");
    EXPECT_EQ(c.value(0, "dbver").toString(), "2.1");
}

TEST(ConfigRecord, OtherColumnsClosedOrBusyCatalogueWriteNothing)
{
    TestCatalogue c;
    c.setConfig({{"vice", "/keep"}, {"dbver", "1.0"}});
    QString error;
    for (const configrecord::Values &bad :
         {configrecord::Values{{"vice", "/x"}, {"dbver", "Private"}},
          configrecord::Values{{"vice = 'x', dbver", "y"}}, configrecord::Values{}}) {
        EXPECT_FALSE(configrecord::store(c.db(), bad, &error));
        EXPECT_FALSE(error.isEmpty());
        error.clear();
    }
    EXPECT_FALSE(configrecord::store(QSqlDatabase(), allPaths("/"), &error));
    EXPECT_TRUE(configrecord::load(QSqlDatabase(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());

    // Another connection holds the write lock.
    QString why;
    auto other = catalogue::Connection::open(c.path(), &why);
    ASSERT_TRUE(other) << why.toStdString();
    catalogue::WriteTransaction holder(c.db());
    ASSERT_TRUE(holder.isOpen());
    catalogue::run(other->db(), "pragma busy_timeout = 50");
    EXPECT_FALSE(configrecord::store(other->db(), allPaths("/z/"), &error));
    EXPECT_EQ(c.value(0, "vice").toString() + c.value(0, "dbver").toString(), "/keep1.0");
}

TEST_F(ConfigTest, ConfigAsksBeforeWritingEveryBoxAndEsciWritesNothing)
{
    auto *w = qobject_cast<Config *>(open("Config"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->findChildren<QLineEdit *>().size(), 14);
    EXPECT_EQ(w->box("ccs64")->text(), "/emu/ccs64.exe");
    w->box("ccs64")->setText("");
    w->box("player2")->setText("/usr/bin/player two");
    w->box("screenamiga")->setText("/shots/'amiga'/");
    t.dialogs.answers = {false, true};
    get(w, "OK")->click();
    EXPECT_TRUE(stored("player2").isEmpty()) << "answered No";
    EXPECT_EQ(w->box("player2")->text(), "/usr/bin/player two") << "the edits stay";
    get(w, "OK")->click();
    EXPECT_EQ(t.dialogs.questions(), QStringList(2, "Applicare le modifiche?"));
    EXPECT_TRUE(t.catalogue.value(0, "ccs64").isNull());
    EXPECT_EQ(stored("player2") + stored("screenamiga"), "/usr/bin/player two/shots/'amiga'/");
    EXPECT_EQ(stored("music64") + stored("dbver"), "/music/c64/3.0");
    EXPECT_TRUE(isOpen("Config"));

    w->box("vice")->setText("/typed/vice");
    get(w, "Esci")->click();
    EXPECT_FALSE(isOpen("Config"));
    EXPECT_TRUE(stored("vice").isEmpty());
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(ConfigTest, EachPickButtonOpensTheChooserInItsModeAndOnlyFillsTheBox)
{
    auto *w = qobject_cast<Config *>(open("Config"));
    const QStringList rows = QString("ccs64 vice c64s pc64 game64:dirgam64 screen64:dirss64 "
                                     "music64:dirmus64 uae fellow gameamiga:dirgamami "
                                     "screenamiga:dirssami musicamiga:dirmusami player1 player2")
                                 .split(' ');
    for (const QString &row : rows) {
        const QString column = row.section(':', 0, 0), mode = row.section(':', -1);
        result = "/picked/" + mode;
        get(w, column + "Pick")->click();
        EXPECT_EQ(modes.last(), mode);
        EXPECT_EQ(w->box(column)->text(), result);
    }
    EXPECT_EQ(modes.size(), 14);
    EXPECT_EQ(stored("ccs64"), "/emu/ccs64.exe") << "the record waits for OK";
    result.clear();
    get(w, "music64Pick")->click();
    EXPECT_EQ(w->box("music64")->text(), "/picked/dirmus64") << "a cancelled pick";
}

TEST_F(ConfigTest, ConfigReportsAFailedWriteAndAMissingCatalogue)
{
    catalogue::run(t.catalogue.db(), "delete from tabella2");
    auto *w = qobject_cast<Config *>(open("Config"));
    EXPECT_TRUE(w->box("ccs64")->text().isEmpty());
    w->box("uae")->setText("/emu/uae");
    get(w, "OK")->click();
    EXPECT_EQ(stored("uae"), "/emu/uae") << "an empty table gets its row";

    catalogue::run(t.catalogue.db(), "create trigger refuse before update on tabella2 "
                                     "begin select raise(abort, 'locked by test'); end");
    w->box("pc64")->setText("/emu/pc64");
    get(w, "OK")->click();
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages()[0].startsWith("The configuration could not be saved"));
    EXPECT_EQ(w->box("pc64")->text(), "/emu/pc64");
    EXPECT_TRUE(stored("pc64").isEmpty());
    w->close();

    QFile::remove(t.catalogue.path());
    w = qobject_cast<Config *>(open("Config"));
    EXPECT_EQ(t.dialogs.messages().last(), "Database Open Error");
    EXPECT_TRUE(w->box("ccs64")->text().isEmpty());
}

TEST_F(ConfigTest, OptionsRoundTripWithTheMainWindow)
{
    t.panel.credits = true;
    t.panel.screenshots = false;
    t.ctx->fellowgui = 1;
    t.ctx->uaegui = 7; // anything but 1 shows unchecked
    QWidget *w = open("Form4");
    const QList<bool> shown = {check(w, 1)->isChecked(), check(w, 2)->isChecked(),
                               check(w, 3)->isChecked(), check(w, 4)->isChecked()};
    EXPECT_EQ(shown, (QList<bool>{true, false, true, false}));
    for (int n = 1; n <= 4; ++n)
        check(w, n)->toggle();
    get(w, "Exit")->click();
    EXPECT_FALSE(isOpen("Form4"));
    EXPECT_TRUE(t.panel.credits && !t.panel.screenshots && t.ctx->fellowgui == 1);

    for (bool on : {true, false}) {
        w = open("Form4");
        for (int n = 1; n <= 4; ++n)
            check(w, n)->setChecked(on);
        get(w, "OK")->click();
        EXPECT_FALSE(isOpen("Form4"));
        EXPECT_EQ(t.panel.credits, on);
        EXPECT_EQ(t.panel.screenshots, on);
        EXPECT_EQ(t.ctx->fellowgui, on ? 1 : 0);
        EXPECT_EQ(t.ctx->uaegui, on ? 1 : 0);
        w = open("Form4");
        EXPECT_EQ(check(w, 4)->isChecked(), on) << "reopened it shows the same state";
        w->close();
    }

    t.ctx->mainwindow = nullptr;
    w = open("Form4");
    EXPECT_FALSE(check(w, 1)->isEnabled() || check(w, 2)->isEnabled());
    check(w, 3)->setChecked(true);
    get(w, "OK")->click();
    EXPECT_EQ(t.ctx->fellowgui, 1) << "without a main window only the flags apply";
}

TEST_F(ConfigTest, GreetingsListBeepOnceWhenShownTwice)
{
    QWidget *w = open("Form10");
    EXPECT_EQ(get<QListWidget>(w, "List1")->count(), 3);
    EXPECT_EQ(get<QListWidget>(w, "List2")->count(), 2);
    EXPECT_EQ(t.ctx->windows.show("Form10"), w);
    EXPECT_EQ(t.dialogs.beeps(), 1);
}
