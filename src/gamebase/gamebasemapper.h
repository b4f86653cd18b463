#pragma once

#include "folderresolver.h"
#include "gamebaserecord.h"
#include "gameentry.h"
#include "setimport.h"

// Where a set's files lie on this computer, and the machine its games are for.
struct GameBaseFolders {
    QString games;
    QString music; // HVSC's C64Music folder
    QString screens;
    QString machine = QStringLiteral("C64");
};

// How many files of each kind the games name, and how many were found under their folders.
struct GameBaseFound {
    struct Count {
        qint64 named = 0;
        qint64 found = 0;
    };
    Count gameFiles;
    Count music;
    Count screenshots;
};

// Turns a GameBase game into a catalogue game: texts as the catalogue keeps them, paths
// converted and resolved case-blind under their folders (a path that is not found is kept
// as its folder plus the converted name, for a later relink).
class GameBaseMapper
{
public:
    // listed: the folders' listings when they were made ahead (FolderResolver::listAhead).
    GameBaseMapper(GameBaseFolders folders, QString origin, FolderResolver listed = {});

    // The games of records come through a GameBaseFeed, each with the set's key, where it
    // starts and the set's own play history.
    const GameBaseFound &found() const { return m_found; }

    // "Title, The" -> "The Title".
    static QString title(const QString &name);
    // Empty for the lookups' "(Unknown)" and "(None)".
    static QString value(const QString &lookup);
    // Empty for the codes of unknown years (9990 and above).
    static QString year(const QString &year);
    // "Parent - Genre", leaving out "[Uncategorized]" and empty parts.
    static QString genre(const QString &parent, const QString &genre);
    // A Jet date as the reader writes it ("2009-01-02 03:04:05", local time) as seconds
    // since the epoch; 0 when empty or unreadable.
    static qint64 playedAt(const QString &jetDate);
    // FileToRun (an image in the archive) and FilenameIndex (a row of its directory).
    static GameStart start(const QString &fileToRun, const QString &filenameIndex);
    // "GameBase NAME (VERSION)": the origin tag of a set's games.
    static QString origin(const QString &setName, const QString &version);

private:
    friend class GameBaseFeed; // maps on its workers and adds up what they found

    // These run on several threads at once, each counting into a found of its own.
    SetGame setGame(const GameBaseRecord &record, GameBaseFound &found);
    GameEntry map(const GameBaseRecord &record, GameBaseFound &found);
    // The path (converted, relative) under folder, found case-blind; counted into count.
    QString resolve(const QString &folder, const FolderResolver::Root &root, const QString &path,
                    GameBaseFound::Count &count);
    // The "name_1.ext" beside a screenshot (converted, relative), when there is one.
    QString secondScreenshot(const QString &path);
    // The further disks of an Amiga-style "..._Disk1.ext" set, as they exist.
    QStringList siblingDisks(const QString &filename);

    GameBaseFolders m_folders;
    QString m_origin;
    FolderResolver m_resolver;
    FolderResolver::Root m_games, m_music, m_screens; // taken before any thread starts
    GameBaseFound m_found;
};
