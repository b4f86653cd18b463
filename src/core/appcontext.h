#pragma once

#include "paths.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>

class Dialogs;
class Launcher;
class MusicService;
class WindowRegistry;
namespace catalogue
{
class Connection;
}

// The settings that really are program-wide: the main window's layout modes and whether
// the Amiga emulators start with their own GUI. The main window keeps them in its state
// file.
struct ProgramSettings {
    bool showScreenshots = true;
    bool showCredits = true;
    bool fellowShowsGui = false;
    bool uaeShowsGui = false;
};

// What a program shares between its windows: paths, services, the catalogue connection
// and the program-wide settings. Built in main; the services outlive it.
class AppContext
{
public:
    AppContext(Paths paths, Dialogs &dialogs, Launcher &launcher, WindowRegistry &windows);
    ~AppContext();
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    Paths paths;
    Dialogs &dialogs;
    Launcher &launcher;
    WindowRegistry &windows;
    ProgramSettings settings;
    // The program's one music service; null where nothing plays music (merrow, most tests).
    MusicService *music = nullptr;

    // The program's connection to the catalogue, opened on first use. Invalid (queries
    // fail with an error) when the catalogue cannot be opened.
    QSqlDatabase db();
    QString dbError() const { return m_dbError; }
    // Drops the connection so that the next db() opens the file again.
    void closeDb();

private:
    std::unique_ptr<catalogue::Connection> m_connection;
    QString m_dbError;
};
