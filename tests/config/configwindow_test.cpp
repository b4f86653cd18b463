#include "configregistry.h"
#include "configwindow.h"

#include "database.h"
#include "testcatalogue.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

namespace
{

// Closed windows go away with the next turn of the event loop.
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Stands in for the chooser: records the mode it was opened in, leaves a result and
// closes, as the real chooser does after "OK".
struct FakeChooser {
    QStringList modes;
    QString result;
};

void registerFakeChooser(AppContext &ctx, FakeChooser &chooser)
{
    ctx.windows.addFactory(QStringLiteral("sfoglia"), [&ctx, &chooser] {
        auto *w = new QWidget;
        chooser.modes << ctx.browsemode;
        ctx.browsepath = chooser.result;
        QTimer::singleShot(0, w, &QWidget::close);
        return w;
    });
}

struct ConfigWindowTest : testing::Test {
    ConfigWindowTest()
    {
        t.catalogue.setConfig({{QStringLiteral("ccs64"), QStringLiteral("/emu/ccs64.exe")},
                               {QStringLiteral("fellow"), QStringLiteral("/emu/fellow")},
                               {QStringLiteral("music64"), QStringLiteral("/music/c64/")},
                               {QStringLiteral("dbver"), QStringLiteral("3.0")}});
        registerConfigWindows(*t.ctx);
        registerFakeChooser(*t.ctx, chooser);
    }
    Config *open() { return qobject_cast<Config *>(t.ctx->windows.show(QStringLiteral("Config"))); }
    QLineEdit *box(Config *w, const char *name)
    {
        return w->findChild<QLineEdit *>(QLatin1String(name));
    }
    void click(Config *w, const QString &name)
    {
        auto *b = w->findChild<QPushButton *>(name);
        ASSERT_TRUE(b) << name.toStdString();
        b->click();
    }

    TestContext t;
    FakeChooser chooser;
};

} // namespace

TEST_F(ConfigWindowTest, ShowsTheStoredRecordInItsFrames)
{
    Config *w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("System Configuration"));
    EXPECT_EQ(box(w, "ccs64")->text(), QStringLiteral("/emu/ccs64.exe"));
    EXPECT_EQ(box(w, "fellow")->text(), QStringLiteral("/emu/fellow"));
    EXPECT_EQ(box(w, "music64")->text(), QStringLiteral("/music/c64/"));
    EXPECT_EQ(box(w, "player1")->text(), QString());
    EXPECT_EQ(w->findChildren<QLineEdit *>().size(), 14);
    EXPECT_EQ(w->findChildren<QPushButton *>().size(), 16);
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(ConfigWindowTest, YesWritesEveryBoxAndReloads)
{
    Config *w = open();
    box(w, "ccs64")->setText(QStringLiteral("/new/ccs64"));
    box(w, "fellow")->setText(QString());
    box(w, "player2")->setText(QStringLiteral("/usr/bin/player two"));
    box(w, "screenamiga")->setText(QStringLiteral("/shots/'amiga'/"));
    t.dialogs.answers = {true};
    click(w, QStringLiteral("OK"));

    ASSERT_EQ(t.dialogs.shown.size(), 2);
    EXPECT_EQ(t.dialogs.shown[0].kind, FakeDialogs::Shown::Beep);
    EXPECT_EQ(t.dialogs.shown[1].text, QStringLiteral("Applicare le modifiche?"));
    EXPECT_EQ(t.dialogs.shown[1].title, QStringLiteral("Modifica"));
    EXPECT_EQ(t.dialogs.shown[1].icon, Dialogs::Icon::Information);

    TestCatalogue &c = t.catalogue;
    EXPECT_EQ(c.value(0, QStringLiteral("ccs64")).toString(), QStringLiteral("/new/ccs64"));
    EXPECT_TRUE(c.value(0, QStringLiteral("fellow")).isNull());
    EXPECT_EQ(c.value(0, QStringLiteral("player2")).toString(),
              QStringLiteral("/usr/bin/player two"));
    EXPECT_EQ(c.value(0, QStringLiteral("screenamiga")).toString(),
              QStringLiteral("/shots/'amiga'/"));
    EXPECT_EQ(c.value(0, QStringLiteral("music64")).toString(), QStringLiteral("/music/c64/"));
    EXPECT_EQ(c.value(0, QStringLiteral("dbver")).toString(), QStringLiteral("3.0"));
    // The window stays open and shows the record as stored.
    EXPECT_EQ(t.ctx->windows.find(QStringLiteral("Config")), w);
    EXPECT_EQ(box(w, "ccs64")->text(), QStringLiteral("/new/ccs64"));
}

TEST_F(ConfigWindowTest, NoKeepsTheEditsAndTheRecord)
{
    Config *w = open();
    box(w, "vice")->setText(QStringLiteral("/typed/vice"));
    t.dialogs.answers = {false};
    click(w, QStringLiteral("OK"));
    EXPECT_EQ(t.dialogs.questions(), QStringList{QStringLiteral("Applicare le modifiche?")});
    EXPECT_TRUE(t.catalogue.value(0, QStringLiteral("vice")).isNull());
    EXPECT_EQ(box(w, "vice")->text(), QStringLiteral("/typed/vice"));
    EXPECT_EQ(t.ctx->windows.find(QStringLiteral("Config")), w);

    // "Esci" closes without writing.
    click(w, QStringLiteral("Esci"));
    flushDeletes();
    EXPECT_EQ(t.ctx->windows.find(QStringLiteral("Config")), nullptr);
    EXPECT_TRUE(t.catalogue.value(0, QStringLiteral("vice")).isNull());
}

TEST_F(ConfigWindowTest, EmptyConfigurationTableGetsItsRow)
{
    catalogue::run(t.catalogue.db(), QStringLiteral("delete from tabella2"));
    Config *w = open();
    EXPECT_EQ(box(w, "ccs64")->text(), QString());
    box(w, "uae")->setText(QStringLiteral("/emu/uae"));
    click(w, QStringLiteral("OK"));
    EXPECT_EQ(t.catalogue.value(0, QStringLiteral("uae")).toString(), QStringLiteral("/emu/uae"));
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(ConfigWindowTest, EachPickButtonOpensTheChooserInItsMode)
{
    Config *w = open();
    const QList<QPair<QString, QString>> rows = {{"ccs64", "ccs64"},
                                                 {"vice", "vice"},
                                                 {"c64s", "c64s"},
                                                 {"pc64", "pc64"},
                                                 {"game64", "dirgam64"},
                                                 {"screen64", "dirss64"},
                                                 {"music64", "dirmus64"},
                                                 {"uae", "uae"},
                                                 {"fellow", "fellow"},
                                                 {"gameamiga", "dirgamami"},
                                                 {"screenamiga", "dirssami"},
                                                 {"musicamiga", "dirmusami"},
                                                 {"player1", "player1"},
                                                 {"player2", "player2"}};
    for (const auto &[column, mode] : rows) {
        chooser.result = QStringLiteral("/picked/") + mode;
        click(w, column + QStringLiteral("Pick"));
        EXPECT_EQ(chooser.modes.last(), mode);
        EXPECT_EQ(t.ctx->browsemode, mode);
        EXPECT_EQ(w->box(column)->text(), QStringLiteral("/picked/") + mode);
    }
    EXPECT_EQ(chooser.modes.size(), 14);
    // A pick changes the box only; the record waits for "OK".
    EXPECT_EQ(t.catalogue.value(0, QStringLiteral("vice")).toString(), QString());
    EXPECT_EQ(t.catalogue.value(0, QStringLiteral("ccs64")).toString(),
              QStringLiteral("/emu/ccs64.exe"));
}

TEST_F(ConfigWindowTest, CancelledPickKeepsTheBox)
{
    Config *w = open();
    chooser.result = QString();
    click(w, QStringLiteral("music64Pick"));
    EXPECT_EQ(chooser.modes, QStringList{QStringLiteral("dirmus64")});
    EXPECT_EQ(box(w, "music64")->text(), QStringLiteral("/music/c64/"));
}

TEST_F(ConfigWindowTest, FailedWriteIsReportedAndEditsStay)
{
    Config *w = open();
    box(w, "pc64")->setText(QStringLiteral("/emu/pc64"));
    catalogue::run(t.catalogue.db(),
                   QStringLiteral("create trigger refuse before update on tabella2 "
                                  "begin select raise(abort, 'locked by test'); end"));
    click(w, QStringLiteral("OK"));
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(
        t.dialogs.messages()[0].startsWith(QStringLiteral("The configuration could not be saved")));
    EXPECT_EQ(t.dialogs.shown.last().title, QStringLiteral("Error"));
    EXPECT_EQ(t.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    EXPECT_EQ(box(w, "pc64")->text(), QStringLiteral("/emu/pc64"));
    EXPECT_TRUE(t.catalogue.value(0, QStringLiteral("pc64")).isNull());
}

TEST_F(ConfigWindowTest, MissingCatalogueShowsTheOpenTestOnly)
{
    QFile::remove(t.catalogue.path());
    Config *w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(t.dialogs.messages(), QStringList{QStringLiteral("Database Open Error")});
    EXPECT_EQ(box(w, "ccs64")->text(), QString());
}
