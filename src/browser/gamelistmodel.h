#pragma once

#include "game.h"
#include "gamequery.h"
#include "searchindex.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace browser
{

// The rows of the game list, all in memory: the games of the filter in title order, shown
// in the chosen order and narrowed by the search in force, so that neither a sort nor a
// search reads the catalogue again. The titles come first (a quick read); the other
// columns and the search index come together from a worker (setDetails). A sort or a
// search that needs them before asks for them (detailsNeeded). A game the search hides
// can be shown anyway (pin).
class GameListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Title, Favourite, Machine, Year, Publisher, Genre, LastPlayed, Plays, Columns };
    static constexpr int IdRole = Qt::UserRole;
    static constexpr int PinnedRole = Qt::UserRole + 1; // shown although the search hides it
    static constexpr int MachineRole = Qt::UserRole + 2;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // New rows in title order; the search in force applies once they have an index.
    void setRows(QList<GameSummary> rows);
    const QList<GameSummary> &rows() const { return m_rows; }
    static constexpr quint32 kNoRow = 0xFFFFFFFF;
    // The same rows with every column, and the search index with the row of each entry.
    void setDetails(QList<GameSummary> rows, SearchIndex index, std::vector<quint32> rowOfEntry);
    bool hasDetails() const { return m_index.has_value(); }
    // Shows the rows the search finds (all for an empty one); needs the index.
    void setSearch(const QString &search);
    // Shows the game's row although the search hides it; false when no row holds it.
    bool pin(GameId id);

    // The id of a row, 0 when the row does not exist.
    GameId idAt(int row) const;
    // The first row showing the game id; the row count when none does.
    int rowOf(GameId id) const;
    // Removes one entry (a deleted game); false when the row does not exist.
    bool removeEntry(int row);
    // Puts the collector's own data into the game's row, in place; with leaves the game
    // leaves the list (no longer in the filter). False when no row holds the game.
    bool setPersonal(GameId id, const PersonalData &personal, bool leaves);

Q_SIGNALS:
    // A sort by a column other than the title needs the details now.
    void detailsNeeded();

private:
    void applySort();
    QVariant display(const GameSummary &row, int column) const;
    void rebuildShown();
    std::optional<quint32> positionOf(GameId id) const;

    QList<GameSummary> m_rows;
    std::optional<SearchIndex> m_index;
    std::vector<quint32> m_rowOfEntry;
    std::vector<quint32> m_order;    // every row's position, in the chosen order
    std::vector<bool> m_hidden;      // by position: the search hides it, or it is gone
    std::vector<bool> m_gone;        // by position: deleted
    std::vector<quint32> m_shown;    // the positions shown, in order
    std::vector<quint32> m_found;    // the index entries the search in force found
    QString m_search;                // the search m_found belongs to
    std::optional<quint32> m_pinned; // a position shown despite the search
    GameSort m_sort = GameSort::Title;
    bool m_descending = false;
};

} // namespace browser
