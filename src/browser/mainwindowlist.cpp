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

ListFilter Form1::filterBoxes() const
{
    return {Check4->isChecked(), Check5->isChecked(), Check1->isChecked(), Check2->isChecked()};
}

void Form1::setFilterBoxes(const ListFilter &filter)
{
    const QSignalBlocker b4(Check4), b5(Check5), b1(Check1), b2(Check2);
    Check4->setChecked(filter.c64);
    Check5->setChecked(filter.amiga);
    Check1->setChecked(filter.playable);
    Check2->setChecked(filter.sound);
}

void Form1::filtrolista()
{
    m_filterclause = filterClause(filterBoxes());
    QString error;
    if (filterHasRows(m_ctx.db(), m_filterclause, &error) || !error.isEmpty())
        return;
    // The box just ticked leaves nothing: untick it, and let its click know it was us.
    // A box that is not ticked raises no click, so it gets no flag either.
    if (m_lastfilterbox == QLatin1String("sid") && Check2->isChecked()) {
        m_suppressSound = 1;
        Check2->setChecked(false);
    } else if (m_lastfilterbox == QLatin1String("play") && Check1->isChecked()) {
        m_suppressPlayable = 1;
        Check1->setChecked(false);
    }
}

bool Form1::aggiornalista()
{
    // Without a catalogue "Database Open Error" has been shown; there is nothing to list.
    if (!m_ctx.db().isOpen())
        return false;
    filtrolista();
    const ListResult result = fetchList(m_ctx.db(), m_filterclause, m_searchclause);
    if (!result.ok()) {
        m_ctx.dialogs.message(QStringLiteral("The game list cannot be read: ") + result.error,
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        return false;
    }
    if (result.rows.isEmpty()) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("No record found for ") + ricerca->text(),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        ricerca->clear();
        // Back to what the list on screen shows, so that the boxes, Label8 and the
        // active search agree with it and the next refresh does not fail again.
        if (m_listShown && !m_loading) {
            m_searchclause = m_shownSearch;
            Label8->setText(m_shownCaption);
            setFilterBoxes(m_shownFilter);
        }
        return false;
    }
    const int first = result.rows.constFirst().id;
    riempilista(result.rows);
    lbldisplay->setText(QString::number(listCount()));
    m_listShown = true;
    m_shownSearch = m_searchclause;
    m_shownCaption = Label8->text();
    m_shownFilter = filterBoxes();
    // The panel stands on the first game of the result, with nothing selected.
    showGame(first);
    return true;
}

void Form1::riempilista(QList<ListRow> rows)
{
    const bool was = m_programSelects;
    m_programSelects = true;
    m_model->setRows(std::move(rows));
    m_programSelects = was;
}

void Form1::Check4_Click()
{
    if (m_loading)
        return;
    if (!Check4->isChecked() && !Check5->isChecked()) {
        Check4->setChecked(true); // its click refreshes
        return;
    }
    aggiornalista();
}

void Form1::Check5_Click()
{
    if (m_loading)
        return;
    if (!Check4->isChecked() && !Check5->isChecked()) {
        Check5->setChecked(true);
        return;
    }
    aggiornalista();
}

void Form1::Check1_Click()
{
    m_lastfilterbox = QStringLiteral("play");
    if (m_suppressPlayable == 1) {
        m_suppressPlayable = 0;
        return;
    }
    aggiornalista();
}

void Form1::Check2_Click()
{
    m_lastfilterbox = QStringLiteral("sid");
    if (m_suppressSound == 1) {
        m_suppressSound = 0;
        return;
    }
    aggiornalista();
}

void Form1::command1_Click()
{
    const QString text = ricerca->text();
    if (text.isEmpty()) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("Insert string to find"), Dialogs::Icon::Critical,
                              QStringLiteral("Error"));
    } else {
        m_searchclause = searchClause(text);
        Label8->setText(QStringLiteral("Search for: ") + text);
    }
    aggiornalista();
    ricerca->clear();
}

void Form1::NmButton4_Click()
{
    m_searchclause = {};
    Label8->clear();
    aggiornalista();
    ricerca->clear();
}

void Form1::searchFor(const QString &text)
{
    ricerca->setText(text);
    command1_Click();
}

int Form1::cercaindex(int currrec) const
{
    return m_model->cercaindex(currrec);
}

int Form1::listIndex() const
{
    const QModelIndex current = List1->currentIndex();
    return current.isValid() && List1->selectionModel()->isSelected(current) ? current.row() : -1;
}

int Form1::listCount() const
{
    return m_model->rowCount();
}

int Form1::listId(int row) const
{
    return m_model->idAt(row);
}

void Form1::setListIndex(int row)
{
    m_programSelects = true;
    if (row >= 0 && row < listCount()) {
        const QModelIndex index = m_model->index(row);
        List1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        List1->scrollTo(index);
    } else {
        List1->selectionModel()->clear();
    }
    m_programSelects = false;
    List1_Click();
}
