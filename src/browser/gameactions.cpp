#include "gameactions.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "gamecommands.h"
#include "popupitem.h"
#include "showngame.h"
#include "windowregistry.h"

#include <QMainWindow>
#include <QMenu>

namespace browser
{

GameActions::GameActions(AppContext &ctx, ShownGame &shown, QMainWindow *window)
    : QObject(window), m_ctx(ctx), m_shown(shown), m_window(window)
{
    setObjectName(QStringLiteral("gameActions"));
    buildMenuBar();
    buildPopupMenus();
    buildFavouriteAction();
}

void GameActions::run(GameCommand command)
{
    switch (command) {
    case GameCommand::Play:
        return play();
    case GameCommand::PlayMusic:
        return playMusic();
    case GameCommand::Info:
        return showInfo();
    case GameCommand::New:
        m_ctx.windows.open(RecordEditorRequest{0, EditMode::New});
        return;
    case GameCommand::Modify:
        return modify();
    case GameCommand::Delete:
        return remove();
    case GameCommand::ToggleFavourite:
        if (const GameId id = m_shown.shownGameId(); id != 0)
            return toggleFavourite(id);
        return m_ctx.dialogs.beep();
    }
}

void GameActions::popup(PopupMenu menu, const QPoint &globalPosition)
{
    m_popupMenus[size_t(menu)]->popup(globalPosition);
}

void GameActions::openScreenshot(int which)
{
    if (const GameId id = m_shown.shownGameId(); id != 0)
        m_ctx.windows.open(ScreenshotRequest{int(id), which});
}

void GameActions::toggleFavourite(GameId id)
{
    CatalogueStore store(m_ctx.db());
    const Result<PersonalData> now = store.personalData(id);
    const Outcome set = now ? store.setFavourite(id, !now->favourite) : Outcome(now.failure());
    if (!set)
        refuse(tr("The favourite could not be saved: ") + set.error());
    // Also after a failure: the star goes back to what the catalogue holds.
    Q_EMIT personalChanged(id);
}

void GameActions::refuse(const QString &message)
{
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(message, Dialogs::Icon::Critical, tr("Error"));
}

void GameActions::play()
{
    const std::optional<Game> game = m_shown.rereadShownGame();
    if (!game)
        return m_ctx.dialogs.beep();
    if (!Game::isSet(game->gameFile))
        return refuse(tr("No file selected for this game"));
    switch (playTarget(game->machine)) {
    case PlayTarget::C64:
        m_ctx.windows.open(C64GameRequest{int(game->id), game->gameFile});
        break;
    case PlayTarget::Amiga:
        m_ctx.windows.open(AmigaGameRequest{int(game->id)});
        break;
    case PlayTarget::None:
        break;
    }
}

void GameActions::playMusic()
{
    const std::optional<Game> game = m_shown.rereadShownGame();
    if (!game)
        return m_ctx.dialogs.beep();
    if (!Game::isSet(game->musicFile))
        return refuse(tr("No song configured for this game"));
    m_ctx.windows.open(GameMusicRequest{int(game->id)});
}

void GameActions::showInfo()
{
    if (const std::optional<Game> game = m_shown.rereadShownGame())
        m_ctx.windows.open(GameInfoRequest{int(game->id)});
    else
        m_ctx.dialogs.beep();
}

void GameActions::modify()
{
    if (const std::optional<Game> game = m_shown.rereadShownGame())
        m_ctx.windows.open(RecordEditorRequest{int(game->id), EditMode::Modify});
    else
        m_ctx.dialogs.beep();
}

void GameActions::remove()
{
    const std::optional<Game> game = m_shown.rereadShownGame();
    if (!game)
        return m_ctx.dialogs.beep();
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(tr("Confirm Delete %1?").arg(game->title), Dialogs::Icon::Information,
                           tr("Delete"), Dialogs::Button::No))
        return;
    // The question named the game in the panel, and that is the highlighted entry.
    if (const Outcome deleted = CatalogueStore(m_ctx.db()).deleteGame(game->id); !deleted)
        return refuse(tr("The game could not be deleted: ") + deleted.error());
    Q_EMIT gameDeleted(game->id);
    Q_EMIT m_ctx.windows.events().gameDeleted(int(game->id));
}

void GameActions::onPopupItem(const PopupItem &item)
{
    const std::optional<Game> game = m_shown.rereadShownGame();
    if (!game)
        return m_ctx.dialogs.beep();
    const int id = int(game->id);
    if (const auto *field = std::get_if<GameField>(&item.task)) {
        m_ctx.windows.open(FieldEditorRequest{id, *field});
        return;
    }
    const bool c64 = usesC64Folders(game->machine);
    m_ctx.windows.open(
        FileChooserRequest{std::get<ChooserPurpose>(item.task),
                           configuration().value(c64 ? item.c64Folder : item.amigaFolder), id});
}

Configuration GameActions::configuration() const
{
    return CatalogueStore(m_ctx.db()).configuration().valueOr(Configuration());
}

} // namespace browser
