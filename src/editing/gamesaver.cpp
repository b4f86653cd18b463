#include "gamesaver.h"

#include "dialogs.h"
#include "editorrules.h"
#include "fieldcaption.h"
#include "logging.h"

#include <utility>

GameSaver::GameSaver(CatalogueStore store, Dialogs &dialogs)
    : m_store(std::move(store)), m_dialogs(dialogs)
{
}

Outcome GameSaver::checkSavable(const Game &game)
{
    if (editorrules::lacksTitleOrMachine(game.title, game.machine))
        return Failure{tr("Insert TITLE and C64/Amiga")};
    if (editorrules::machineCode(game.machine).isEmpty())
        return Failure{tr("The machine must be one of: %1")
                           .arg(editorrules::machineList().join(QStringLiteral(", ")))};
    return {};
}

Result<GameId> GameSaver::add(Game game, const QStringList &moreDisks)
{
    if (const Outcome savable = checkSavable(game); !savable)
        return savable.failure();
    game.machine = editorrules::machineCode(game.machine);
    game.origin = QString();
    Result<GameId> id = m_store.addGame(game, moreDisks);
    if (!id)
        qCWarning(lcCatalogue) << "adding a game failed:" << id.error();
    return id;
}

Result<GameSaver::Save> GameSaver::saveChanges(const Game &loaded, Game edited,
                                               const QList<Game::Field> &shown,
                                               const std::optional<DiskEdit> &disks)
{
    if (const Outcome savable = checkSavable(edited); !savable)
        return savable.failure();
    edited.machine = editorrules::machineCode(edited.machine);
    edited.origin = Game::privateOrigin();
    return saveOverLoaded(loaded, edited, shown, disks);
}

Result<GameSaver::Save> GameSaver::saveOverLoaded(const Game &loaded, const Game &edited,
                                                  const QList<Game::Field> &shown,
                                                  const std::optional<DiskEdit> &disks)
{
    Game baseline = loaded;
    std::optional<DiskEdit> diskBaseline = disks;
    for (;;) {
        const Result<GuardedUpdate> update =
            m_store.updateGameUnlessChanged(baseline, edited, shown, diskBaseline);
        if (!update) {
            qCWarning(lcCatalogue) << "saving game" << loaded.id << "failed:" << update.error();
            return update.failure();
        }
        if (update->written())
            return Save{Save::Saved, {}};
        switch (askAboutOtherChanges(*update)) {
        case Answer::Overwrite:
            // Only the shown fields: one the window does not show keeps what others wrote.
            for (const Game::Field f : shown)
                baseline.value(f) = update->stored.value(f);
            if (update->disksChangedElsewhere)
                diskBaseline->loaded = update->storedDisks;
            break;
        case Answer::Reload:
            return Save{Save::Reload, update->stored};
        case Answer::Cancel:
            return Save{Save::Cancelled, {}};
        }
    }
}

GameSaver::Answer GameSaver::askAboutOtherChanges(const GuardedUpdate &update)
{
    QStringList fields;
    for (const Game::Field f : update.changedElsewhere)
        fields << fieldCaption(f);
    if (update.disksChangedElsewhere)
        fields << tr("Further Disks");
    const QString &title = update.stored.title;
    m_dialogs.beep();
    const int answer = m_dialogs.choose(
        tr("Another program changed %1 while it was open here: %2.\n\nOverwrite those "
           "changes with what this window shows, reload the game as it is stored now, or "
           "cancel and go on editing?")
            .arg(title.isEmpty() ? tr("this game") : title, fields.join(QStringLiteral(", "))),
        Dialogs::Icon::Exclamation, tr("Changed Elsewhere"),
        {tr("&Overwrite"), tr("&Reload"), tr("Cancel")}, 2, 2);
    return static_cast<Answer>(qBound(0, answer, 2));
}
