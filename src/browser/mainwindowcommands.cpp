// The main window's commands on the shown game: its buttons and pop-up menu items.
#include "mainwindow.h"

#include "appcontext.h"
#include "database.h"
#include "dialogs.h"
#include "gamecommands.h"
#include "gamelistmodel.h"
#include "popupitem.h"
#include "windowregistry.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>

using namespace browser;

void MainWindow::connectCommands()
{
    connect(m_playButton, &QPushButton::clicked, this, &MainWindow::onPlayClicked);
    connect(m_playMusicButton, &QPushButton::clicked, this, &MainWindow::onPlayMusicClicked);
    connect(m_infoButton, &QPushButton::clicked, this, &MainWindow::onInfoClicked);
    connect(m_newButton, &QPushButton::clicked, this, &MainWindow::onNewClicked);
    connect(m_modifyButton, &QPushButton::clicked, this, &MainWindow::onModifyClicked);
    connect(m_deleteButton, &QPushButton::clicked, this, &MainWindow::onDeleteClicked);
    connect(m_gameList, &QListView::doubleClicked, this, &MainWindow::onModifyClicked);

    const std::pair<QAction *, void (MainWindow::*)()> items[] = {
        {m_c64GamePlayerAction, &MainWindow::openC64FreePlayer},
        {m_amigaGamePlayerAction, &MainWindow::openAmigaFreePlayer},
        {m_importExportAction, &MainWindow::startUtility},
        {m_whatsNewAction, &MainWindow::showNews}};
    for (const auto &[action, handler] : items)
        connect(action, &QAction::triggered, this, handler);
    const std::pair<QAction *, WindowKey> windows[] = {{m_systemAction, WindowKey::SystemConfig},
                                                       {m_programAction, WindowKey::ProgramOptions},
                                                       {m_aboutAction, WindowKey::About},
                                                       {m_greetingsAction, WindowKey::Greetings}};
    for (const auto &window : windows) {
        const WindowKey key = window.second;
        connect(window.first, &QAction::triggered, this, [this, key] { m_ctx.windows.show(key); });
    }
    connect(m_c64MusicPlayerAction, &QAction::triggered, this, [this] { openFreeMusic(true); });
    connect(m_amigaMusicPlayerAction, &QAction::triggered, this, [this] { openFreeMusic(false); });

    const std::array<QMenu *, 7> menus{m_gameFieldMenu,   m_screenshotMenu, m_gameFileMenu,
                                       m_programmingMenu, m_designMenu,     m_graphicsMenu,
                                       m_musicMenu};
    for (const PopupItem &item : popupItems()) {
        QAction *action = menus[size_t(item.menu)]->addAction(
            QCoreApplication::translate("MainWindow", item.text));
        action->setObjectName(QLatin1String(item.name));
        connect(action, &QAction::triggered, this, [this, &item] { onPopupItem(item); });
    }
}

bool MainWindow::rereadShownGame()
{
    // Read again: another window may have changed the game since it was shown.
    if (listCount() > 0 && m_gameId != 0 && showGame(m_gameId))
        return true;
    m_ctx.dialogs.beep();
    return false;
}

void MainWindow::onPlayClicked()
{
    if (!rereadShownGame())
        return;
    const QString gameFile = m_game.gameFile;
    if (!Game::isSet(gameFile)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("No file selected for this game"), Dialogs::Icon::Critical,
                              tr("Error"));
        return;
    }
    switch (playTarget(m_game.machine)) {
    case PlayTarget::C64:
        m_ctx.windows.open(C64GameRequest{m_gameId, gameFile});
        break;
    case PlayTarget::Amiga:
        m_ctx.windows.open(AmigaGameRequest{m_gameId});
        break;
    case PlayTarget::None:
        break;
    }
}

void MainWindow::onPlayMusicClicked()
{
    if (!rereadShownGame())
        return;
    if (!Game::isSet(m_game.musicFile)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("No song configured for this game"), Dialogs::Icon::Critical,
                              tr("Error"));
        return;
    }
    m_ctx.windows.open(GameMusicRequest{m_gameId});
}

void MainWindow::onInfoClicked()
{
    if (!rereadShownGame())
        return;
    m_ctx.windows.open(GameInfoRequest{m_gameId});
}

void MainWindow::onNewClicked()
{
    m_ctx.windows.open(RecordEditorRequest{0, EditMode::New});
}

void MainWindow::onModifyClicked()
{
    if (rereadShownGame())
        m_ctx.windows.open(RecordEditorRequest{m_gameId, EditMode::Modify});
}

void MainWindow::onDeleteClicked()
{
    if (!rereadShownGame())
        return;
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(tr("Confirm Delete %1?").arg(m_gameTitle), Dialogs::Icon::Information,
                           tr("Delete"), Dialogs::Button::No))
        return;
    // The question named the game in the panel, and that is the highlighted entry.
    const int id = m_gameId;
    const int entry = rowOfGame(id);
    QString error;
    if (!deleteGame(m_ctx.db(), id, &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("The game could not be deleted: ") + error,
                              Dialogs::Icon::Critical, tr("Error"));
        return;
    }
    removeDeletedEntry(entry);
    Q_EMIT m_ctx.windows.events().gameDeleted(id);
}

void MainWindow::removeDeletedEntry(int entry)
{
    if (entry >= listCount()) {
        // The deleted game was not listed: the panel goes back to the list.
        if (listCount() == 0)
            clearGame();
        else
            setListIndex(0);
        return;
    }
    m_model->removeEntry(entry);
    m_countLabel->setText(QString::number(listCount()));
    if (listCount() == 0) {
        clearGame();
        m_ctx.dialogs.beep();
        return;
    }
    // The last entry gives way to the one before it, any other to the one that moved up.
    setListIndex(entry < listCount() ? entry : entry - 1);
}

void MainWindow::onPopupItem(const PopupItem &item)
{
    if (!rereadShownGame())
        return;
    if (const auto *field = std::get_if<GameField>(&item.task)) {
        m_ctx.windows.open(FieldEditorRequest{m_gameId, *field});
        return;
    }
    const bool c64 = usesC64Folders(m_game.machine);
    m_ctx.windows.open(FileChooserRequest{std::get<ChooserPurpose>(item.task),
                                          configValue(c64 ? item.c64Folder : item.amigaFolder),
                                          m_gameId});
}
