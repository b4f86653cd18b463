#pragma once

#include "configuration.h"
#include "game.h"
#include "pathchange.h"
#include "result.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class CatalogueStore;

// A stored path that names no file: what a game (or the configuration, id 0) lost.
struct MissingFile {
    GameId game = 0;
    QString title;
    QString what; // "game file", "screenshot 1", "C64 games folder", ...
    QString path;
};

class MissingFiles
{
    Q_DECLARE_TR_FUNCTIONS(MissingFiles)
public:
    // Every game file, disk, music file and screenshot, and every folder of the
    // configuration, whose stored path exists nowhere, by game id. The programs' paths are
    // not files of the collection and are not listed.
    static Result<QList<MissingFile>> find(const CatalogueStore &store);
    // The same on a read-only connection of its own, as a worker thread needs.
    static Result<QList<MissingFile>> find(const QString &catalogue);

    // The words for what a game's path field or a configuration folder holds.
    static QString fieldName(Game::Field field);
    static QString folderName(Configuration::Path path);
    // The further disks of a set are counted from 1.
    static QString furtherDisk(int position);
    // What a relinked path was: the same words.
    static QString whatChanged(const PathChange &change);
};
