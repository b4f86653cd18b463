#pragma once

#include "commandline.h"

class QCoreApplication;

// vantrel's options, and what a command line asks the program to do.
class VantrelCommandLine : public CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(VantrelCommandLine)

public:
    enum class Run {
        Windows,
        List,
        Dir,
        Play,
        PlayMusic,
        MusicInfo,
        Scan,
        Relink,
        Missing,
        SetFavourite,
        Help,
        Version,
        Refused
    };

    struct Options {
        QCommandLineOption catalogue{QStringLiteral("catalogue"),
                                     VantrelCommandLine::tr("Use the catalogue at <path>."),
                                     VantrelCommandLine::tr("path")};
        QCommandLineOption list{
            QStringLiteral("list"),
            VantrelCommandLine::tr("Print the games of the list (id, tab, title) "
                                   "and exit, without a window.")};
        QCommandLineOption c64{QStringLiteral("c64"),
                               VantrelCommandLine::tr("With --list: C64 and C128 games.")};
        QCommandLineOption amiga{QStringLiteral("amiga"),
                                 VantrelCommandLine::tr("With --list: Amiga games.")};
        QCommandLineOption playable{
            QStringLiteral("playable"),
            VantrelCommandLine::tr("With --list: only games with a game file.")};
        QCommandLineOption sound{
            QStringLiteral("sound"),
            VantrelCommandLine::tr("With --list: only games with a music file.")};
        QCommandLineOption favourites{QStringLiteral("favourites"),
                                      VantrelCommandLine::tr("With --list: only the favourites.")};
        QCommandLineOption recent{
            QStringLiteral("recent"),
            VantrelCommandLine::tr("With --list: only played games, the most recent first.")};
        QCommandLineOption find{
            QStringLiteral("find"),
            VantrelCommandLine::tr("With --list: only games holding <text> (a+b: both)."),
            VantrelCommandLine::tr("text")};
        QCommandLineOption sort{
            QStringLiteral("sort"),
            VantrelCommandLine::tr("With --list: the order, by <key>: title, year, publisher, "
                                   "machine, genre; played, plays (newest, most first)."),
            VantrelCommandLine::tr("key")};
        QCommandLineOption play{
            QStringLiteral("play"),
            VantrelCommandLine::tr("Start the game <id> in its emulator, without a window."),
            VantrelCommandLine::tr("id")};
        QCommandLineOption playMusic{
            QStringLiteral("play-music"),
            VantrelCommandLine::tr("Play the music file of the game <id>, without a window."),
            VantrelCommandLine::tr("id")};
        QCommandLineOption musicInfo{
            QStringLiteral("music-info"),
            VantrelCommandLine::tr("Print the title, author, release, subtunes and song lengths "
                                   "of the music file of the game <id>."),
            VantrelCommandLine::tr("id")};
        QCommandLineOption render{
            QStringLiteral("render"),
            VantrelCommandLine::tr("With --play-music: render the music into the WAV file "
                                   "<file> with the built-in player."),
            VantrelCommandLine::tr("file")};
        QCommandLineOption subtune{
            QStringLiteral("subtune"),
            VantrelCommandLine::tr("With --play-music: the subtune <n>, from 1 (default: the "
                                   "tune's start subtune)."),
            VantrelCommandLine::tr("n")};
        QCommandLineOption seconds{
            QStringLiteral("seconds"),
            VantrelCommandLine::tr("With --render: the length in seconds (default: the song "
                                   "length, else 3 minutes)."),
            VantrelCommandLine::tr("s")};
        QCommandLineOption with{
            QStringLiteral("with"),
            VantrelCommandLine::tr(
                "With --play: the emulator (ccs64, vice, c64s, pc64; uae, fellow). "
                "With --play-music: the player, 1 or 2 (default: the built-in player)."),
            VantrelCommandLine::tr("name")};
        QCommandLineOption entry{
            QStringLiteral("entry"),
            VantrelCommandLine::tr("With --play: the entry <n> of the image's --dir list, from 0."),
            VantrelCommandLine::tr("n")};
        QCommandLineOption amigaTemplate{
            QStringLiteral("template"),
            VantrelCommandLine::tr("With --play: the Amiga template, by its file name or a path."),
            VantrelCommandLine::tr("name")};
        QCommandLineOption dryRun{
            QStringLiteral("dry-run"),
            VantrelCommandLine::tr(
                "With --play or --play-music: print the program and each argument, "
                "one a line, and start nothing.")};
        QCommandLineOption dir{
            QStringLiteral("dir"),
            VantrelCommandLine::tr("Print the directory of a D64 or T64 image and exit."),
            VantrelCommandLine::tr("image")};
        QCommandLineOption scan{
            QStringLiteral("scan"),
            VantrelCommandLine::tr("Add the games of the disk images below <folder> and exit "
                                   "(with --dry-run: only print them)."),
            VantrelCommandLine::tr("folder")};
        QCommandLineOption relink{
            QStringLiteral("relink"),
            VantrelCommandLine::tr("Find the catalogue's missing files again, with --from and "
                                   "--to or with --search, and exit (with --dry-run: only "
                                   "print what would change).")};
        QCommandLineOption from{
            QStringLiteral("from"),
            VantrelCommandLine::tr("With --relink: the old beginning of the paths, such as "
                                   "C:\\Games."),
            VantrelCommandLine::tr("old")};
        QCommandLineOption to{
            QStringLiteral("to"),
            VantrelCommandLine::tr("With --relink: the folder that replaces the old beginning."),
            VantrelCommandLine::tr("new")};
        QCommandLineOption search{
            QStringLiteral("search"),
            VantrelCommandLine::tr("With --relink: a folder where missing files are looked "
                                   "for by name."),
            VantrelCommandLine::tr("folder")};
        QCommandLineOption setFavourite{
            QStringLiteral("set-favourite"),
            VantrelCommandLine::tr("Make the game <id> a favourite (yes) or not (no) and exit."),
            VantrelCommandLine::tr("id")};
        QCommandLineOption missing{
            QStringLiteral("missing"),
            VantrelCommandLine::tr("Print the catalogue's missing files (id, what, path) and "
                                   "exit.")};
    };

    VantrelCommandLine();

    // Parses arguments (the program first, as QCoreApplication::arguments() has them).
    Run parse(const QStringList &arguments);
    // Parses the application's arguments; a parser error, --help, --help-all and
    // --version are answered as Qt answers them, ending the program.
    Run process(const QCoreApplication &app);
    // Whether the arguments as main receives them, before any application object exists,
    // ask for the windows.
    static bool needsWindows(const QStringList &arguments)
    {
        return windowsWanted<VantrelCommandLine>(arguments);
    }

    const Options &options() const { return m_options; }
    // With --set-favourite: whether the game becomes a favourite (the "yes" or "no" after it).
    bool favouriteWanted() const;

private:
    Run choose(bool parsed);

    Options m_options;
};
