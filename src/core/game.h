#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// The catalogue's key of a game. 64 bits: files from elsewhere may hold any id.
using GameId = qint64;

// One game of the catalogue. A null QString is a Null column and an empty one the empty
// text; readers treat both as "not set" (isSet), writers keep what they were given.
struct Game {
    enum class Field {
        Title,
        Publisher,
        Team,
        Year,
        Genre,
        Machine,
        Design,
        Programming,
        Graphics,
        Music,
        AdditionalDesign,
        AdditionalProgramming,
        AdditionalGraphics,
        AdditionalMusic,
        OtherCredits,
        Note,
        Rating,
        Emulator,    // a free text only the search reads
        GameFile,    // the only file, or the first disk
        SecondDrive, // the Amiga's second to fourth drives
        ThirdDrive,
        FourthDrive,
        MusicFile,
        Screenshot1,
        Screenshot2,
        Origin, // "Private" once the collector changed the game; Null when they added it
    };

    GameId id = 0;
    QString title;
    QString publisher;
    QString team;
    QString year;
    QString genre;
    QString machine;
    QString design;
    QString programming;
    QString graphics;
    QString music;
    QString additionalDesign;
    QString additionalProgramming;
    QString additionalGraphics;
    QString additionalMusic;
    QString otherCredits;
    QString note;
    QString rating;
    QString emulator;
    QString gameFile;
    QString drive2;
    QString drive3;
    QString drive4;
    QString musicFile;
    QString screenshot1;
    QString screenshot2;
    QString origin;

    // Every field, in the catalogue's column order.
    static const QList<Field> &fields();
    // The fields that hold paths of the collection's files: disks, music, pictures.
    static const QList<Field> &pathFields();
    static QString Game::*member(Field field);

    const QString &value(Field field) const { return this->*member(field); }
    QString &value(Field field) { return this->*member(field); }
    static bool isSet(const QString &text) { return !text.isEmpty(); }

    // The fields whose texts differ; Null and the empty text count as the same.
    QList<Field> differences(const Game &other) const;

    bool isC64() const;   // "C64" or "C128"
    bool isAmiga() const; // "Amiga", "Amiga 1.3", "Amiga 2.x", "Amiga 3.x"

    // The origin tag the record editor writes.
    static QString privateOrigin() { return QStringLiteral("Private"); }

    bool operator==(const Game &) const = default;
};

// One row of the game list.
struct GameSummary {
    GameId id = 0;
    QString title{};
    QString machine{};
    QString year{};
    QString publisher{};
    QString genre{};
    // The collector's own: kept beside the exchange tables, never exported.
    bool favourite = false;
    qint64 lastPlayed = 0; // seconds since the epoch; 0 when never played
    int plays = 0;
    bool operator==(const GameSummary &) const = default;
};
