#pragma once

#include "cataloguestore.h"
#include "gamebasemapper.h"

#include <QCoreApplication>

// What importing a GameBase set did, or with a dry run would do.
struct GameBaseReport {
    QString origin;
    qint64 games = 0;
    SetImport import;
    GameBaseFound found;
};

// Brings a GameBase set into the catalogue and keeps it current: each game is known by its
// set and GA_Id, so a newer release of the set updates its games in place.
class GameBaseImport
{
    Q_DECLARE_TR_FUNCTIONS(GameBaseImport)

public:
    // The set's name from its file: "GBC_v18.mdb" -> "GBC v18".
    static QString setName(const QString &file);
    // The name the set keeps across its releases: "GBC v18" -> "GBC".
    static QString setKey(const QString &setName);

    // Maps and writes the games of set, read from file, in one transaction; with keep false
    // nothing is written and the report says what would be. listed: the folders' listings
    // when they were made ahead.
    static Result<GameBaseReport> run(CatalogueStore &store, const QString &file,
                                      const GameBaseSet &set, const GameBaseFolders &folders,
                                      Progress &progress, bool keep = true,
                                      FolderResolver listed = {});

    // The report for a user, a line each.
    static QStringList summary(const GameBaseReport &report);
};
