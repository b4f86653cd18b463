#pragma once

#include "cataloguestore.h"

#include <QCoreApplication>
#include <QList>

class Dialogs;

// How the editors store a game: what may be saved, a new game or the changes to one (the
// record editor tags those "Private"), and never over another program's change unasked.
class GameSaver
{
    Q_DECLARE_TR_FUNCTIONS(GameSaver)
public:
    // What became of a save that did not fail.
    struct Save {
        enum Kind { Saved, Reload, Cancelled } kind = Saved;
        Game stored; // Reload: the game as stored now, to be shown
    };

    GameSaver(CatalogueStore store, Dialogs &dialogs);

    // A title and one of the six machine codes the list filters know, or why not.
    static Outcome checkSavable(const Game &game);

    // Adds a new game with its machine's stored spelling and no origin tag, and the set's
    // further disks with it.
    Result<GameId> add(Game game, const QStringList &moreDisks = {});
    // The record editor's save: checked, its machine spelled as stored, tagged "Private",
    // and guarded as saveOverLoaded is. The further disks go in with the fields.
    Result<Save> saveChanges(const Game &loaded, Game edited, const QList<Game::Field> &shown,
                             const std::optional<DiskEdit> &disks = std::nullopt);
    // Writes what edited changes over loaded, unless that would undo a change another
    // program made to a shown field (or the disks) since loaded was read. Then the user is told
    // which fields changed and chooses: Overwrite (over the game as it is now; asked again should
    // it change once more), Reload, or Cancel to go on editing.
    Result<Save> saveOverLoaded(const Game &loaded, const Game &edited,
                                const QList<Game::Field> &shown,
                                const std::optional<DiskEdit> &disks = std::nullopt);

private:
    enum class Answer { Overwrite, Reload, Cancel };
    Answer askAboutOtherChanges(const GuardedUpdate &update);

    CatalogueStore m_store;
    Dialogs &m_dialogs;
};
