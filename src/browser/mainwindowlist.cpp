// The main window's list, filter boxes and free-text search.
#include "mainwindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "gamelistmodel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

using namespace browser;

ListFilter MainWindow::filterBoxes() const
{
    return {m_c64Box->isChecked(), m_amigaBox->isChecked(), m_playableBox->isChecked(),
            m_soundBox->isChecked(), true};
}

void MainWindow::setFilterBoxes(const ListFilter &filter)
{
    const QSignalBlocker c64(m_c64Box), amiga(m_amigaBox), playable(m_playableBox),
        sound(m_soundBox);
    m_c64Box->setChecked(filter.c64);
    m_amigaBox->setChecked(filter.amiga);
    m_playableBox->setChecked(filter.playable);
    m_soundBox->setChecked(filter.sound);
}

void MainWindow::applyFilterBoxes()
{
    m_filter = filterBoxes();
    QString error;
    if (filterHasRows(m_ctx.db(), filterClause(m_filter), &error) || !error.isEmpty())
        return;
    // The box just ticked leaves nothing: untick it, and let its handler know it was us.
    // A box that is not ticked raises no toggle, so it gets no flag either.
    if (m_lastFilterBox == FilterBox::Sound && m_soundBox->isChecked()) {
        m_untickingSound = true;
        m_soundBox->setChecked(false);
    } else if (m_lastFilterBox == FilterBox::Playable && m_playableBox->isChecked()) {
        m_untickingPlayable = true;
        m_playableBox->setChecked(false);
    }
}

SqlClause MainWindow::searchInForce() const
{
    return m_searchText.isEmpty() ? SqlClause{} : searchClause(m_searchText);
}

bool MainWindow::refreshList()
{
    // Without a catalogue "Database Open Error" has been shown; there is nothing to list.
    if (!m_ctx.db().isOpen())
        return false;
    applyFilterBoxes();
    const ListResult result = fetchList(m_ctx.db(), filterClause(m_filter), searchInForce());
    if (!result.ok()) {
        m_ctx.dialogs.message(tr("The game list cannot be read: ") + result.error,
                              Dialogs::Icon::Critical, tr("Error"));
        return false;
    }
    if (result.rows.isEmpty()) {
        m_ctx.dialogs.beep();
        // Named as asked: a box just unticked again is part of what found nothing.
        m_ctx.dialogs.message(tr("No record found for ") + listCaption(m_filter, m_searchText),
                              Dialogs::Icon::Critical, tr("Error"));
        m_findEdit->clear();
        // Back to what the list on screen shows, so that the boxes, the search caption and
        // the search in force agree with it and the next refresh does not fail again.
        if (m_listShown) {
            m_searchText = m_shownSearchText;
            m_searchLabel->setText(m_shownCaption);
            setFilterBoxes(m_shownFilter);
        }
        return false;
    }
    const int first = result.rows.constFirst().id;
    fillList(result.rows);
    m_countLabel->setText(QString::number(listCount()));
    m_listShown = true;
    m_shownSearchText = m_searchText;
    m_shownCaption = m_searchLabel->text();
    m_shownFilter = filterBoxes();
    // The panel stands on the first game of the result, which the list highlights.
    showGame(first);
    return true;
}

void MainWindow::fillList(QList<ListRow> rows)
{
    const bool was = m_programSelects;
    m_programSelects = true;
    m_model->setRows(std::move(rows));
    m_programSelects = was;
}

void MainWindow::onMachineBoxToggled(QCheckBox *box)
{
    // One machine at least: the last one unticked is ticked again, and that refreshes.
    if (!m_c64Box->isChecked() && !m_amigaBox->isChecked()) {
        box->setChecked(true);
        return;
    }
    refreshList();
}

void MainWindow::onFileBoxToggled(FilterBox box)
{
    m_lastFilterBox = box;
    bool &unticking = box == FilterBox::Playable ? m_untickingPlayable : m_untickingSound;
    if (unticking) {
        unticking = false;
        return;
    }
    refreshList();
}

void MainWindow::onFindClicked()
{
    const QString text = m_findEdit->text();
    if (text.isEmpty()) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Insert string to find"), Dialogs::Icon::Critical, tr("Error"));
    } else {
        m_searchText = text;
        m_searchLabel->setText(tr("Search for: ") + text);
    }
    refreshList();
    m_findEdit->clear();
}

void MainWindow::onShowAllClicked()
{
    m_searchText.clear();
    m_searchLabel->clear();
    refreshList();
    m_findEdit->clear();
}

bool MainWindow::handleFindKey(int key)
{
    if (key != Qt::Key_Escape || (m_findEdit->text().isEmpty() && m_searchText.isEmpty()))
        return false;
    m_findEdit->clear();
    // The search in force goes too: the list comes back as ALL gives it.
    if (!m_searchText.isEmpty())
        onShowAllClicked();
    return true;
}

void MainWindow::searchFor(const QString &text)
{
    m_findEdit->setText(text);
    onFindClicked();
}

int MainWindow::rowOfGame(int id) const
{
    return m_model->rowOf(id);
}

int MainWindow::listIndex() const
{
    const QModelIndex current = m_gameList->currentIndex();
    return current.isValid() && m_gameList->selectionModel()->isSelected(current) ? current.row()
                                                                                  : -1;
}

int MainWindow::listCount() const
{
    return m_model->rowCount();
}

void MainWindow::setListIndex(int row)
{
    m_programSelects = true;
    if (row >= 0 && row < listCount()) {
        const QModelIndex index = m_model->index(row);
        m_gameList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_gameList->scrollTo(index);
    } else {
        m_gameList->selectionModel()->clear();
    }
    m_programSelects = false;
    onListSelectionChanged();
}

void MainWindow::highlightShownGame()
{
    // The highlighted entry is always the game in the panel, so that every command acts on
    // what the user sees; a game the list does not hold leaves nothing highlighted.
    const int row = rowOfGame(m_gameId);
    const bool was = m_programSelects;
    m_programSelects = true;
    if (m_gameId != 0 && row < listCount()) {
        const QModelIndex index = m_model->index(row);
        m_gameList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_gameList->scrollTo(index);
    } else {
        m_gameList->selectionModel()->clear();
    }
    m_programSelects = was;
}

void MainWindow::onListSelectionChanged()
{
    const int row = listIndex();
    if (row >= 0)
        showGame(m_model->idAt(row));
}
