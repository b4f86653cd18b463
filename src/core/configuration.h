#pragma once

#include <QList>
#include <QString>

// The catalogue's configuration: where the emulators and players are, and the folders of
// the game, music and screenshot files. Null and the empty text both mean "not set".
struct Configuration {
    enum class Path {
        Ccs64,
        Vice,
        C64s,
        Pc64,
        Uae,
        Fellow,
        Player1,
        Player2,
        C64Games,
        C64Music,
        C64Screenshots,
        AmigaGames,
        AmigaMusic,
        AmigaScreenshots,
    };

    QString ccs64;
    QString vice;
    QString c64s;
    QString pc64;
    QString uae;
    QString fellow;
    QString player1;
    QString player2;
    QString c64Games;
    QString c64Music;
    QString c64Screenshots;
    QString amigaGames;
    QString amigaMusic;
    QString amigaScreenshots;
    QString version; // the catalogue's version text, shown by About; never written here

    // The fourteen paths in the order of the configuration's columns.
    static const QList<Path> &paths();
    static QString Configuration::*member(Path path);
    static bool isFolder(Path path);

    const QString &value(Path path) const { return this->*member(path); }
    QString &value(Path path) { return this->*member(path); }

    bool operator==(const Configuration &) const = default;
};
