#pragma once

#include "commandline.h"

// merrow's options, and what a command line asks the program to do.
class MerrowCommandLine : public CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(MerrowCommandLine)

public:
    // Batch: --export or --import, or one of their modes given without them.
    enum class Run { Windows, Batch, Convert, ImportGameBase, Help, Version, Refused };

    struct Options {
        QCommandLineOption catalogue{QStringLiteral("catalogue"),
                                     MerrowCommandLine::tr("Use the catalogue at <path>."),
                                     MerrowCommandLine::tr("path")};
        QCommandLineOption exportTo{
            QStringLiteral("export"),
            MerrowCommandLine::tr("Write export.mdb into <folder> and exit."),
            MerrowCommandLine::tr("folder")};
        QCommandLineOption import{
            QStringLiteral("import"),
            MerrowCommandLine::tr("Import the export file <file> (with --new, "
                                  "--all or --diff) and exit."),
            MerrowCommandLine::tr("file")};
        QCommandLineOption addNew{QStringLiteral("new"),
                                  MerrowCommandLine::tr("Import: add the games not yet present.")};
        QCommandLineOption all{
            QStringLiteral("all"),
            MerrowCommandLine::tr("Import: add new games, overwrite present ones.")};
        QCommandLineOption diff{
            QStringLiteral("diff"),
            MerrowCommandLine::tr("Import: show the differences, change nothing.")};
        // The new file is the first argument after it: an option takes one value only.
        QCommandLineOption convertLegacy{
            QStringLiteral("convert-legacy"),
            MerrowCommandLine::tr(
                "Convert the catalogue <jetfile> of the older Windows program into "
                "a new catalogue <newfile> (the next argument) and exit; <jetfile> "
                "is only read and an existing <newfile> is never replaced."),
            MerrowCommandLine::tr("jetfile")};
        QCommandLineOption importGameBase{
            QStringLiteral("import-gamebase"),
            MerrowCommandLine::tr("Import the GameBase database <gbfile> (with --games, and "
                                  "--music, --screens, --machine, --dry-run) and exit."),
            MerrowCommandLine::tr("gbfile")};
        QCommandLineOption games{QStringLiteral("games"),
                                 MerrowCommandLine::tr("GameBase: the folder of its game files."),
                                 MerrowCommandLine::tr("dir")};
        QCommandLineOption music{
            QStringLiteral("music"),
            MerrowCommandLine::tr("GameBase: the folder its tunes are in (HVSC's C64Music)."),
            MerrowCommandLine::tr("dir")};
        QCommandLineOption screens{
            QStringLiteral("screens"),
            MerrowCommandLine::tr("GameBase: the folder of its screenshots."),
            MerrowCommandLine::tr("dir")};
        QCommandLineOption machine{
            QStringLiteral("machine"),
            MerrowCommandLine::tr("GameBase: the machine of its games (C64 when not given)."),
            MerrowCommandLine::tr("name")};
        QCommandLineOption dryRun{
            QStringLiteral("dry-run"),
            MerrowCommandLine::tr("GameBase: report what the import would do, change nothing.")};
    };

    MerrowCommandLine();

    // Parses arguments (the program first, as QCoreApplication::arguments() has them).
    Run parse(const QStringList &arguments);
    // Whether the arguments as main receives them, before any application object exists,
    // ask for the windows.
    static bool needsWindows(const QStringList &arguments)
    {
        return windowsWanted<MerrowCommandLine>(arguments);
    }

    const Options &options() const { return m_options; }
    [[noreturn]] void showHelp() { m_parser.showHelp(); }
    [[noreturn]] void showVersion() { m_parser.showVersion(); }

private:
    Run choose(bool parsed);
    // Whether an option of the GameBase import is given.
    bool namesGameBaseOption() const;

    Options m_options;
};
