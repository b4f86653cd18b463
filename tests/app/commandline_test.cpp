// The programs' command lines as a terminal gives them: an option's value is never taken for
// an option, a command line that needs no window asks for no display, and the help speaks
// the user's language.
#include "merrowcommandline.h"
#include "testcatalogue.h"
#include "vantrelcommandline.h"
#include "widgettest.h"

#include <QProcess>

namespace
{

struct Ran {
    int code; // -1 after a crash
    QString out;
    QString err;
};

QString firstLine(const QString &text)
{
    return text.section('\n', 0, 0);
}

// Runs a program without any display, so that one going for its windows dies of it; lang,
// when given, is the only setting of the user's language.
Ran run(const QString &program, const QStringList &arguments, const QString &home,
        const QString &lang = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/data");
    if (!lang.isEmpty()) {
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(name);
        env.insert("LANG", lang);
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(CommandLine, OptionValuesAreNeverTakenForCommands)
{
    TestCatalogue catalogue;
    const int elite = catalogue.addGame({{"titolo", "Elite-Lite"}, {"formato", "C64"}});
    const QString c = catalogue.path();
    const QString listed = QString("%1\tElite-Lite").arg(elite);
    const QString missing = "Missing value after '--%1': '%2' is an option.";
    struct Case {
        const char *program;
        QStringList arguments;
        int code;
        QString err, out = {}; // err without the program's name before it
    };
    const Case cases[] = {
        {VANTREL, {"--catalogue", c, "--", "--list"}, 1, "Unexpected argument '--list'."},
        {VANTREL, {"--find", "--list"}, 1, missing.arg("find", "--list")},
        {VANTREL, {"--catalogue", "--list"}, 1, missing.arg("catalogue", "--list")},
        {MERROW, {"--catalogue", "--export"}, 2, missing.arg("catalogue", "--export")},
        {MERROW, {"--", "--import"}, 2, "Unexpected argument '--import'."},
        {MERROW, {"--catalogue", c, "--import", "--diff"}, 2, missing.arg("import", "--diff")},
        // A value that is no option reaches the command, in either form.
        {VANTREL, {"--catalogue", c, "--find", "-lit", "--list"}, 0, "", listed},
        {VANTREL, {"--catalogue=" + c, "--list", "--find=lit"}, 0, "", listed},
        // QCoreApplication takes -qmljsdebugger with the next argument as its value.
        {VANTREL,
         {"-qmljsdebugger", "--list"},
         1,
         "Qt took the arguments of the command for options of its own."},
    };
    QTemporaryDir home;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Ran ran = run(c.program, c.arguments, home.path());
        EXPECT_EQ(ran.code, c.code);
        EXPECT_EQ(firstLine(ran.out), c.out);
        const QString name = QFileInfo(c.program).completeBaseName();
        EXPECT_EQ(firstLine(ran.err), c.err.isEmpty() ? c.err : name + ": " + c.err);
    }
    EXPECT_FALSE(QFileInfo::exists(home.filePath("data/vantrel"))) << "no data folder seeded";
}

TEST(CommandLine, OnlyTheWindowsAskForADisplay)
{
    struct Case {
        QStringList arguments;
        bool vantrel, merrow;
    };
    const Case cases[] = {
        {{}, true, true},
        {{"--catalogue", "x.mdb"}, true, true},
        {{"--help"}, false, false},
        {{"-v"}, false, false},
        {{"--catalogue"}, false, false}, // a missing value is said on the terminal
        {{"--dir", "x.d64"}, false, true},
        {{"--export", "folder"}, true, false},
        {{"--new"}, true, false},
        // QApplication's own options are unknown to the parser, and -reverse and
        // -stylesheet hold the letters of -v and -h.
        {{"-style", "fusion"}, true, true},
        {{"-reverse"}, true, true},
        {{"-stylesheet", "a.qss"}, true, true},
        {{"-platform", "offscreen", "--list"}, false, true},
    };
    for (const Case &c : cases) {
        const QStringList arguments = QStringList{"program"} + c.arguments;
        EXPECT_EQ(VantrelCommandLine::needsWindows(arguments), c.vantrel)
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(MerrowCommandLine::needsWindows(arguments), c.merrow)
            << c.arguments.join(' ').toStdString();
    }
}

TEST(CommandLine, HelpIsInTheUsersLanguage)
{
    struct Case {
        const char *program, *lang;
        QString ours;   // an option of the program's
        QString qtHelp; // Qt's, from the program's own catalogue: Qt's Italian lacks it
        QString qt;     // from Qt's own catalogue
    };
    const Case cases[] = {
        {VANTREL, "it_IT.UTF-8", "Usa il catalogo indicato da <percorso>.",
         "Mostra l'aiuto sulle opzioni della riga di comando.",
         "Mostra le informazioni sulla versione."},
        {MERROW, "it_IT.UTF-8", "Importa: aggiunge i giochi non ancora presenti.",
         "Mostra l'aiuto sulle opzioni della riga di comando.",
         "Mostra le informazioni sulla versione."},
        {VANTREL, "C", "Use the catalogue at <path>.", "Displays help on commandline options.",
         "Displays version information."},
        {MERROW, "C", "Import: add the games not yet present.",
         "Displays help on commandline options.", "Displays version information."},
    };
    QTemporaryDir home;
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.program) + " " + c.lang);
        const Ran ran = run(c.program, {"--help"}, home.path(), c.lang);
        EXPECT_EQ(ran.code, 0);
        // The help wraps its descriptions to the terminal's width.
        const QString help = ran.out.simplified();
        EXPECT_TRUE(help.contains(c.ours)) << ran.out.toStdString();
        EXPECT_TRUE(help.contains(c.qtHelp)) << ran.out.toStdString();
        EXPECT_TRUE(help.contains(c.qt)) << ran.out.toStdString();
    }
}
