#include "configrecord.h"
#include "configregistry.h"

#include "database.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

namespace
{

configrecord::Values allPaths(const QString &prefix)
{
    configrecord::Values v;
    for (const configrecord::Field &f : configrecord::fields())
        v.insert(f.column, prefix + f.column);
    return v;
}

struct ChooserStub : QWidget, RequestTaker<FileChooserRequest> {
    bool takeRequest(const FileChooserRequest &r) override
    {
        QTimer::singleShot(0, this, &QWidget::close);
        return take(r), true;
    }
    std::function<void(const FileChooserRequest &)> take;
};

struct ConfigTest : testing::Test {
    ConfigTest()
    {
        t.catalogue.setConfig(
            {{"ccs64", "/emu/ccs64.exe"}, {"music64", "/music/c64/"}, {"dbver", "3.0"}});
        registerConfigWindows(*t.ctx);
        t.ctx->windows.addFactory(WindowKey::FileChooser, [this] {
            auto *stub = new ChooserStub;
            stub->take = [this](const FileChooserRequest &r) { choose(r); };
            return stub;
        });
        QObject::connect(&t.ctx->windows.events(), &WindowEvents::configurationSaved,
                         [this] { ++saved; });
    }
    // Keeps the request and picks `pick` (unless empty) after a pick for every other path.
    void choose(const FileChooserRequest &r)
    {
        asked << r;
        for (const configrecord::Field &f : configrecord::fields())
            if (!pick.isEmpty() && f.purpose != r.purpose)
                Q_EMIT t.ctx->windows.events().filePicked(f.purpose, "/other");
        if (!pick.isEmpty())
            Q_EMIT t.ctx->windows.events().filePicked(r.purpose, pick);
    }
    QString stored(const char *column) { return t.catalogue.value(0, column).toString(); }
    static QLineEdit *edit(QWidget *w, const QString &column)
    {
        return control<QLineEdit>(w, column + "Edit");
    }

    TestContext t;
    QList<FileChooserRequest> asked;
    QString pick;
    int saved = 0;
};

} // namespace

TEST(ConfigRecord, StoresOnlyTheFirstRowWithNullForEmptyAndTextAsTyped)
{
    TestCatalogue c;
    QString error = "stale";
    EXPECT_TRUE(configrecord::load(c.db(), &error).isEmpty()) << "no row yet";
    EXPECT_TRUE(error.isEmpty());
    configrecord::Values v = allPaths("C:\\it's \"here\"\\[x]%\\");
    v["uae"] = "";
    ASSERT_TRUE(configrecord::store(c.db(), v, &error)) << error.toStdString();
    EXPECT_EQ(configrecord::load(c.db(), &error), v) << "Null comes back as empty text";
    EXPECT_TRUE(c.value(0, "uae").isNull());

    catalogue::run(c.db(), "insert into tabella2 (vice) values ('/second/vice')");
    ASSERT_TRUE(configrecord::store(c.db(), {{"vice", "/new/vice"}}, &error));
    EXPECT_EQ(catalogue::fetchOne(c.db(), "select group_concat(vice, '|') from tabella2")
                  ->value(0)
                  .toString(),
              "/new/vice|/second/vice");
}

TEST(ConfigRecord, OtherColumnsOrAClosedCatalogueWriteNothing)
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
    EXPECT_EQ(c.value(0, "vice").toString(), "/keep");
    EXPECT_EQ(c.value(0, "dbver").toString(), "1.0");
    EXPECT_FALSE(configrecord::store(QSqlDatabase(), allPaths("/"), &error));
}

TEST_F(ConfigTest, OkAsksBeforeWritingEveryBoxAndExitWritesNothing)
{
    QWidget *w = t.ctx->windows.show(WindowKey::SystemConfig);
    EXPECT_EQ(edit(w, "ccs64")->text(), "/emu/ccs64.exe");
    edit(w, "ccs64")->setText("");
    edit(w, "player2")->setText("/usr/bin/player two");
    t.dialogs.answers = {false, true};
    click(w, "okButton");
    EXPECT_TRUE(stored("player2").isEmpty()) << "answered No";
    EXPECT_EQ(edit(w, "player2")->text(), "/usr/bin/player two") << "the edits stay";
    EXPECT_EQ(saved, 0);
    click(w, "okButton");
    EXPECT_EQ(t.dialogs.questions(), QStringList(2, "Apply the changes?"));
    EXPECT_TRUE(t.catalogue.value(0, "ccs64").isNull());
    EXPECT_EQ(stored("player2"), "/usr/bin/player two");
    EXPECT_EQ(stored("music64"), "/music/c64/");
    EXPECT_EQ(stored("dbver"), "3.0");
    EXPECT_EQ(saved, 1);
    EXPECT_TRUE(isOpen(*t.ctx, WindowKey::SystemConfig));

    edit(w, "vice")->setText("/typed/vice");
    click(w, "exitButton");
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::SystemConfig));
    EXPECT_TRUE(stored("vice").isEmpty());
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(ConfigTest, EachPickButtonTakesOnlyThePickForItsPurpose)
{
    QWidget *w = t.ctx->windows.show(WindowKey::SystemConfig);
    for (const configrecord::Field &f : configrecord::fields()) {
        pick = QString("/picked/") + f.column;
        click(w, QString(f.column) + "PickButton");
        ASSERT_FALSE(asked.isEmpty());
        EXPECT_EQ(asked.last().purpose, f.purpose) << f.column;
        EXPECT_EQ(edit(w, f.column)->text(), pick);
    }
    EXPECT_EQ(asked.size(), 14);
    EXPECT_EQ(edit(w, "ccs64")->text(), "/picked/ccs64") << "other purposes' picks are ignored";
    EXPECT_EQ(stored("ccs64"), "/emu/ccs64.exe") << "the record waits for OK";
    EXPECT_EQ(asked[6].startFolder, "/music/c64/") << "a folder starts where it is";
    EXPECT_EQ(asked[0].startFolder, "/emu") << "a program in its folder";
    pick.clear();
    click(w, "music64PickButton");
    EXPECT_EQ(edit(w, "music64")->text(), "/picked/music64") << "a cancelled pick";
    Q_EMIT t.ctx->windows.events().filePicked(ChooserPurpose::C64MusicFolder, "/late");
    EXPECT_EQ(edit(w, "music64")->text(), "/picked/music64") << "no chooser is waiting";
}

TEST_F(ConfigTest, ReportsAFailedWriteAndAMissingCatalogue)
{
    catalogue::run(t.catalogue.db(), "delete from tabella2");
    QWidget *w = t.ctx->windows.show(WindowKey::SystemConfig);
    EXPECT_TRUE(edit(w, "ccs64")->text().isEmpty());
    edit(w, "uae")->setText("/emu/uae");
    click(w, "okButton");
    EXPECT_EQ(stored("uae"), "/emu/uae") << "an empty table gets its row";

    catalogue::run(t.catalogue.db(), "create trigger refuse before update on tabella2 "
                                     "begin select raise(abort, 'locked by test'); end");
    edit(w, "pc64")->setText("/emu/pc64");
    click(w, "okButton");
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages()[0].startsWith("The configuration could not be saved"));
    EXPECT_EQ(edit(w, "pc64")->text(), "/emu/pc64");
    EXPECT_EQ(saved, 1) << "only the write that worked";
    w->close();

    QFile::remove(t.catalogue.path());
    w = t.ctx->windows.show(WindowKey::SystemConfig);
    EXPECT_EQ(t.dialogs.messages().last(), "Database Open Error");
    EXPECT_TRUE(edit(w, "ccs64")->text().isEmpty());
}

TEST_F(ConfigTest, OptionsEditTheProgramSettingsOnOkOnly)
{
    int changed = 0;
    QObject::connect(&t.ctx->windows.events(), &WindowEvents::settingsChanged,
                     [&changed] { ++changed; });
    const char *checks[] = {"creditsCheck", "screenshotsCheck", "fellowGuiCheck", "uaeGuiCheck"};
    const auto settings = [this] {
        const ProgramSettings &s = t.ctx->settings;
        return QList<bool>{s.showCredits, s.showScreenshots, s.fellowShowsGui, s.uaeShowsGui};
    };
    t.ctx->settings = {false, true, true, false}; // screenshots, credits, fellow, uae
    for (const char *button : {"exitButton", "okButton"}) {
        QWidget *w = t.ctx->windows.show(WindowKey::ProgramOptions);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(control<QCheckBox>(w, checks[i])->isChecked(), settings()[i]) << checks[i];
            control<QCheckBox>(w, checks[i])->toggle();
        }
        click(w, button);
        EXPECT_FALSE(isOpen(*t.ctx, WindowKey::ProgramOptions));
    }
    EXPECT_EQ(settings(), (QList<bool>{false, true, false, true}));
    EXPECT_EQ(changed, 1);
}

TEST_F(ConfigTest, GreetingsListAndBeepOnceWhenShownTwice)
{
    QWidget *w = t.ctx->windows.show(WindowKey::Greetings);
    EXPECT_EQ(control<QListWidget>(w, "contributorsList")->count(), 3);
    EXPECT_EQ(control<QListWidget>(w, "supportersList")->count(), 2);
    EXPECT_EQ(t.ctx->windows.show(WindowKey::Greetings), w);
    EXPECT_EQ(t.dialogs.beeps(), 1);
}
