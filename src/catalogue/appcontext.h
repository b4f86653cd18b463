#pragma once

#include "paths.h"
#include "windows.h"

#include <QPointer>
#include <QSqlDatabase>
#include <QString>
#include <QWidget>

#include <memory>

class Dialogs;
class Launcher;
class MainPanel;
namespace catalogue
{
class Connection;
}

// Everything a program shares between its windows: paths, services, the catalogue
// connection and the program-wide variables under their documented names. Windows talk
// through these variables; the last writer wins.
struct AppContext {
    AppContext(Paths paths, Dialogs &dialogs, Launcher &launcher);
    ~AppContext();
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    Paths paths;
    Dialogs &dialogs;
    Launcher &launcher;
    Windows windows;
    // Set by the main window while it exists.
    MainPanel *mainwindow = nullptr;

    // The program's connection to the catalogue, opened on first use. Invalid (queries
    // fail with an error) when the catalogue cannot be opened.
    QSqlDatabase db();
    QString dbError() const { return m_dbError; }
    // Drops the connection so that the next db() opens the file again.
    void closeDb();

    // vantrel
    int selectedid = 0;
    QString editmode;
    QString refreshflag;
    int savedlistindex = 0;
    QString editfield;
    int whichshot = 1;
    QString browsemode;
    QString browsepath;
    QString startdir;
    QString pickflag;
    QString gamefile;
    QPointer<QWidget> c64window;
    QString assocmode;
    QString playerkind;
    int fellowgui = 0;
    int uaegui = 0;
    QPointer<QWidget> currentform;
    double screenScale = 1.0;

    // merrow
    QString nomef;
    QString cosa;

private:
    std::unique_ptr<catalogue::Connection> m_connection;
    QString m_dbError;
};
