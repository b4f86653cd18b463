#include "configfields.h"
#include "configregistry.h"

#include "database.h"
#include "musicsettings.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace
{

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
    // Keeps the request; unless `pick` is empty, picks it amid picks for every other path.
    void choose(const FileChooserRequest &r)
    {
        asked << r;
        for (const configfields::Field &f : configfields::fields())
            if (!pick.isEmpty())
                Q_EMIT t.ctx->windows.events().filePicked(f.purpose,
                                                          f.purpose == r.purpose ? pick : "/other");
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

TEST_F(ConfigTest, OkOrEnterAsksBeforeWritingEveryBoxAndExitOrEscapeWritesNothing)
{
    QWidget *w = t.ctx->windows.show(WindowKey::SystemConfig);
    EXPECT_EQ(edit(w, "ccs64")->text(), "/emu/ccs64.exe");
    edit(w, "ccs64")->setText("");
    edit(w, "player2")->setText("C:\\it's \"two\"\\[x]%");
    t.dialogs.answers = {false, true};
    QTest::keyClick(edit(w, "player2"), Qt::Key_Return);
    EXPECT_TRUE(stored("player2").isEmpty()) << "answered No";
    EXPECT_EQ(saved, 0);
    click(w, "okButton");
    ASSERT_EQ(t.dialogs.questions().size(), 2);
    EXPECT_TRUE(t.dialogs.questions().at(1).endsWith("\n\nApply the changes anyway?"));
    EXPECT_TRUE(t.catalogue.value(0, "ccs64").isNull());
    EXPECT_EQ(stored("player2"), "C:\\it's \"two\"\\[x]%") << "stored as typed";
    EXPECT_EQ(stored("dbver"), "3.0");
    EXPECT_EQ(saved, 1);
    EXPECT_TRUE(isOpen(*t.ctx, WindowKey::SystemConfig));

    for (bool escape : {false, true}) {
        w = t.ctx->windows.show(WindowKey::SystemConfig);
        edit(w, "vice")->setText("/typed/vice");
        if (escape)
            QTest::keyClick(edit(w, "vice"), Qt::Key_Escape);
        else
            click(w, "exitButton");
        EXPECT_FALSE(isOpen(*t.ctx, WindowKey::SystemConfig)) << escape;
        EXPECT_TRUE(stored("vice").isEmpty());
    }
}

TEST_F(ConfigTest, PathsThatLeadNowhereAreMarkedAndStoredOnlyWhenConfirmed)
{
    const QString program = writeFile(t.temp.filePath("bin/vice"), "#!", true);
    const QString text = writeFile(t.temp.filePath("bin/readme"), "text");
    QWidget *w = t.ctx->windows.show(WindowKey::SystemConfig);
    const std::pair<const char *, QString> boxes[] = {
        {"ccs64", ""},
        {"vice", program},
        {"c64s", text},
        {"pc64", "/no/such/emu"},
        {"game64", t.temp.path()},
        {"screen64", "/no/such/dir"},
        {"music64", ""},
        {"player1", "sh"}}; // a bare name found on the search path
    for (const auto &[column, path] : boxes)
        edit(w, column)->setText(path);
    const QStringList problems{"This file cannot be run as a program: " + text,
                               "The program does not exist: /no/such/emu",
                               "The folder does not exist: /no/such/dir"};
    EXPECT_EQ(edit(w, "vice")->toolTip(), "");
    EXPECT_EQ(edit(w, "c64s")->toolTip(), problems[0]);
    EXPECT_EQ(edit(w, "pc64")->toolTip(), problems[1]);
    EXPECT_EQ(edit(w, "screen64")->toolTip(), problems[2]);
    EXPECT_EQ(edit(w, "player1")->toolTip(), "");
    t.dialogs.answers = {false};
    click(w, "okButton");
    EXPECT_EQ(t.dialogs.questions(),
              QStringList{problems.join('\n') + "\n\nApply the changes anyway?"});
    EXPECT_TRUE(stored("pc64").isEmpty());
    click(w, "okButton");
    EXPECT_EQ(stored("pc64"), "/no/such/emu");
}

TEST_F(ConfigTest, EachPickButtonTakesOnlyThePickForItsPurposeAndAFailedOkKeepsThem)
{
    QWidget *w = t.ctx->windows.show(WindowKey::SystemConfig);
    for (const configfields::Field &f : configfields::fields()) {
        pick = QString("/picked/") + f.name;
        click(w, QString(f.name) + "PickButton");
        EXPECT_EQ(asked.value(asked.size() - 1).purpose, f.purpose) << f.name;
        EXPECT_EQ(edit(w, f.name)->text(), pick);
    }
    EXPECT_EQ(edit(w, "ccs64")->text(), "/picked/ccs64") << "other purposes' picks are ignored";
    EXPECT_EQ(stored("ccs64"), "/emu/ccs64.exe") << "the record waits for OK";
    EXPECT_EQ(asked[6].startFolder, "/music/c64/") << "a folder starts where it is";
    EXPECT_EQ(asked[0].startFolder, "/emu") << "a program in its folder";
    pick.clear();
    click(w, "music64PickButton");
    EXPECT_EQ(edit(w, "music64")->text(), "/picked/music64") << "a cancelled pick";

    // A failed write is reported and the edits stay.
    EXPECT_TRUE(catalogue::run(t.catalogue.db(),
                               "create trigger refuse before update on tabella2 "
                               "begin select raise(abort, 'locked by test'); end"));
    click(w, "okButton");
    EXPECT_TRUE(t.dialogs.messages().value(0).startsWith("The configuration could not be saved"));
    EXPECT_EQ(edit(w, "pc64")->text(), "/picked/pc64");
    EXPECT_EQ(saved, 0);
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

TEST_F(ConfigTest, OptionsNameTheConfiguredEmulatorsAndTakeEnterForOk)
{
    const struct {
        const char *uae, *fellow, *uaeText, *fellowText;
    } cases[] = {
        {"/usr/bin/fs-uae", "", "Show fs-uae GUI", "Show WinFellow GUI"},
        {"C:\\Emu\\WinUAE.EXE", "C:\\Emu\\WinFellow.exe", "Show WinUAE GUI", "Show WinFellow GUI"},
        {"", "/opt/fellow", "Show WinUAE GUI", "Show fellow GUI"},
    };
    for (const auto &c : cases) {
        t.catalogue.setConfig({{"uae", c.uae}, {"fellow", c.fellow}});
        QWidget *w = t.ctx->windows.show(WindowKey::ProgramOptions);
        EXPECT_EQ(control<QCheckBox>(w, "uaeGuiCheck")->text(), c.uaeText);
        EXPECT_EQ(control<QCheckBox>(w, "fellowGuiCheck")->text(), c.fellowText);
        w->close();
    }
    QWidget *w = t.ctx->windows.show(WindowKey::ProgramOptions);
    t.catalogue.setConfig({{"uae", "/usr/bin/amiberry"}});
    Q_EMIT t.ctx->windows.events().configurationSaved();
    EXPECT_EQ(control<QCheckBox>(w, "uaeGuiCheck")->text(), "Show amiberry GUI");
    // Enter presses OK.
    control<QCheckBox>(w, "uaeGuiCheck")->setChecked(true);
    QTest::keyClick(control<QCheckBox>(w, "uaeGuiCheck"), Qt::Key_Return);
    EXPECT_TRUE(t.ctx->settings.uaeShowsGui);
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::ProgramOptions));
}

TEST_F(ConfigTest, EveryWindowFitsTheScreenWithItsButtonsInSight)
{
    for (WindowKey key :
         {WindowKey::SystemConfig, WindowKey::ProgramOptions, WindowKey::Greetings}) {
        QWidget *w = t.ctx->windows.show(key);
        EXPECT_TRUE(fitsScreen(w)) << w->objectName().toStdString();
        if (key != WindowKey::Greetings) {
            EXPECT_TRUE(inSight(w, "okButton"));
            EXPECT_TRUE(inSight(w, "exitButton"));
        }
        w->close();
    }
}

TEST(ConfigWindows, FitALowScreenAndScale175)
{
    for (double scale : {1.0, 1.75})
        EXPECT_EQ(failuresOnScreen("ConfigTest.EveryWindowFits*", {1280, 800}, scale), QString())
            << scale;
}

TEST_F(ConfigTest, GreetingsListAndBeepOnceWhenShownTwice)
{
    QWidget *w = t.ctx->windows.show(WindowKey::Greetings);
    EXPECT_EQ(control<QListWidget>(w, "contributorsList")->count(), 3);
    EXPECT_EQ(control<QListWidget>(w, "supportersList")->count(), 2);
    EXPECT_EQ(t.ctx->windows.show(WindowKey::Greetings), w);
    EXPECT_EQ(t.dialogs.beeps(), 1);
}

// The button looks on PATH, fills the empty boxes only and says what it found; nothing is
// stored before OK.
TEST_F(ConfigTest, DetectButtonFillsEmptyBoxesFromPath)
{
    t.catalogue.setConfig({{"player2", "/mine/xmp"}});
    const QString bin = t.temp.filePath("bin");
    const QString x64sc = writeFile(bin + "/x64sc", "", true);
    writeFile(bin + "/xmp", "", true);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin));
    QWidget *w = t.ctx->windows.show(WindowKey::SystemConfig);
    click(w, "detectButton");
    qputenv("PATH", path);
    EXPECT_EQ(edit(w, "vice")->text(), x64sc);
    EXPECT_EQ(edit(w, "player2")->text(), "/mine/xmp");
    EXPECT_EQ(edit(w, "uae")->text(), "");
    EXPECT_EQ(t.dialogs.messages(),
              QStringList{"Found:\nCommodore 64, VICE: " + x64sc +
                          "\n\nThe paths are filled in but not stored yet: OK in System "
                          "Configuration stores them, Exit drops them."});
    EXPECT_TRUE(t.catalogue.value(0, "vice").isNull());
}

// The music's sources go to the user's settings on OK; a file that is no ROM is named.
TEST_F(ConfigTest, OptionsKeepTheMusicSources)
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(music::settingsFile());
    const QString kernal = writeFile(t.temp.filePath("kernal.rom"), QByteArray(8192, 0));
    const QString basic = writeFile(t.temp.filePath("basic.rom"));
    QWidget *w = t.ctx->windows.show(WindowKey::ProgramOptions);
    control<QLineEdit>(w, "hvscEdit")->setText(t.temp.path());
    control<QLineEdit>(w, "kernalEdit")->setText(kernal);
    control<QLineEdit>(w, "basicEdit")->setText(basic);
    click(w, "okButton");
    EXPECT_EQ(t.dialogs.messages(),
              QStringList{basic + " is not a C64 BASIC ROM: it must be 8192 bytes long."});
    control<QLineEdit>(w, "basicEdit")->clear();
    click(w, "okButton");
    const MusicSources saved = music::savedSources();
    EXPECT_EQ(saved.hvscFolder, t.temp.path());
    EXPECT_EQ(saved.kernalRom, kernal);
    EXPECT_TRUE(saved.basicRom.isEmpty());
    w = t.ctx->windows.show(WindowKey::ProgramOptions);
    EXPECT_EQ(control<QLineEdit>(w, "kernalEdit")->text(), kernal);
    QFile::remove(music::settingsFile());
}
