#include "gamelistpane.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "gamegridview.h"
#include "gamelistmodel.h"
#include "listcaption.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeView>

namespace browser
{

GameFilter GameListPane::filter() const
{
    return {m_c64Box->isChecked(),
            m_amigaBox->isChecked(),
            m_playableBox->isChecked(),
            m_soundBox->isChecked(),
            true,
            m_favouritesBox->isChecked(),
            m_recentBox->isChecked()};
}

void GameListPane::restoreFilter(const GameFilter &filter)
{
    setBoxes(filter);
    // As if the file boxes had been ticked in order: the last one ticked is the one a
    // filter that leaves nothing unticks again.
    m_lastFileBox = filter.sound      ? FileBox::Sound
                    : filter.playable ? FileBox::Playable
                                      : FileBox::None;
}

void GameListPane::setBoxes(const GameFilter &filter)
{
    const QSignalBlocker c64(m_c64Box), amiga(m_amigaBox), playable(m_playableBox),
        sound(m_soundBox), favourites(m_favouritesBox), recent(m_recentBox);
    m_c64Box->setChecked(filter.c64);
    m_amigaBox->setChecked(filter.amiga);
    m_playableBox->setChecked(filter.playable);
    m_soundBox->setChecked(filter.sound);
    m_favouritesBox->setChecked(filter.favourites);
    m_recentBox->setChecked(filter.recent);
}

void GameListPane::untickIfEmpty()
{
    m_filter = filter();
    const Result<bool> any = CatalogueStore(m_ctx.db()).anyGame(m_filter);
    if (!any.ok() || *any)
        return;
    // The box just ticked leaves nothing: untick it, and let its handler know it was us.
    // A box that is not ticked raises no toggle, so it gets no flag either.
    if (m_lastFileBox == FileBox::Sound && m_soundBox->isChecked()) {
        m_untickingSound = true;
        m_soundBox->setChecked(false);
    } else if (m_lastFileBox == FileBox::Playable && m_playableBox->isChecked()) {
        m_untickingPlayable = true;
        m_playableBox->setChecked(false);
    }
}

GameQuery GameListPane::query() const
{
    return {m_filter, m_searchText};
}

bool GameListPane::refresh()
{
    // Without a catalogue "Database Open Error" has been shown; there is nothing to list.
    if (!m_ctx.db().isOpen())
        return false;
    untickIfEmpty();
    return loadRows(true) && findNow(false);
}

bool GameListPane::findNow(bool quiet)
{
    if (!applySearch() && !quiet) {
        m_ctx.dialogs.beep();
        // Named as asked: a box just unticked again is part of what found nothing.
        m_ctx.dialogs.message(tr("No record found for ") + listCaption(m_filter, m_searchText),
                              Dialogs::Icon::Critical, tr("Error"));
        m_findEdit->clear();
        goBackToShownList();
        return false;
    }
    noteShownList();
    // The panel stands on the first game of the result, which the list highlights.
    if (count() > 0)
        Q_EMIT gameChosen(gameAt(0));
    return count() > 0;
}

void GameListPane::noteShownList()
{
    if (count() == 0)
        return;
    m_listShown = true;
    m_shownSearchText = m_searchText;
    m_shownCaption = m_searchLabel->text();
    m_shownFilter = filter();
}

void GameListPane::goBackToShownList()
{
    // So that the boxes, the search caption and the search in force agree with the list on
    // screen, and the next refresh does not fail again.
    if (!m_listShown)
        return;
    m_searchText = m_shownSearchText;
    m_searchLabel->setText(m_shownCaption);
    setBoxes(m_shownFilter);
    m_filter = m_shownFilter;
    if (m_rowsFilter != m_filter)
        loadRows(false);
    applySearch();
}

bool GameListPane::reload()
{
    if (!m_ctx.db().isOpen() || !loadRows(false))
        return false;
    applySearch();
    return true;
}

void GameListPane::onMachineBoxToggled(QCheckBox *box)
{
    // One machine at least: the last one unticked is ticked again, and that refreshes.
    if (!m_c64Box->isChecked() && !m_amigaBox->isChecked()) {
        box->setChecked(true);
        return;
    }
    refresh();
}

void GameListPane::onFileBoxToggled(FileBox box)
{
    m_lastFileBox = box;
    bool &unticking = box == FileBox::Playable ? m_untickingPlayable : m_untickingSound;
    if (unticking) {
        unticking = false;
        return;
    }
    refresh();
}

void GameListPane::onFindClicked()
{
    const QString text = m_findEdit->text();
    if (text.isEmpty()) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Insert string to find"), Dialogs::Icon::Critical, tr("Error"));
    } else {
        m_searchText = text;
        m_searchLabel->setText(tr("Search for: ") + text);
    }
    // The rows in memory are the filter's: a search needs no new read.
    m_typingTimer->stop();
    m_filter = filter();
    if (m_rowsFilter == m_filter && m_model->rows().size() > 0)
        findNow(false);
    else
        refresh();
    m_findEdit->clear();
}

void GameListPane::onShowAllClicked()
{
    m_typingTimer->stop();
    m_searchText.clear();
    m_searchLabel->clear();
    m_filter = filter();
    if (m_rowsFilter == m_filter && m_model->rows().size() > 0)
        findNow(false);
    else
        refresh();
    m_findEdit->clear();
}

void GameListPane::onTyped()
{
    const QString text = m_findEdit->text();
    if (text == m_searchText || !m_ctx.db().isOpen())
        return;
    m_searchText = text;
    m_searchLabel->setText(text.isEmpty() ? QString() : tr("Search for: ") + text);
    // As the user types nothing is said: an empty list is the answer.
    findNow(true);
}

void GameListPane::searchFor(const QString &text)
{
    m_findEdit->setText(text);
    onFindClicked();
}

bool GameListPane::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((watched == m_view || watched == m_grid) && type == QEvent::KeyPress &&
        handleListKey(static_cast<QKeyEvent *>(event)->key()))
        return true;
    if (watched == m_findEdit && type == QEvent::KeyPress &&
        handleFindKey(static_cast<QKeyEvent *>(event)->key()))
        return true;
    if ((watched == m_view->viewport() || (m_grid && watched == m_grid->viewport())) &&
        type == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            Q_EMIT popupRequested(PopupMenu::GameFiles, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool GameListPane::handleFindKey(int key)
{
    if (key != Qt::Key_Escape || (m_findEdit->text().isEmpty() && m_searchText.isEmpty()))
        return false;
    m_findEdit->clear();
    // The search in force goes too: the list comes back as ALL gives it.
    if (!m_searchText.isEmpty())
        onShowAllClicked();
    return true;
}

bool GameListPane::handleListKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT commandRequested(GameCommand::Play);
        return true;
    case Qt::Key_Delete:
        Q_EMIT commandRequested(GameCommand::Delete);
        return true;
    default:
        return false;
    }
}

} // namespace browser
