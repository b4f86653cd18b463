#include "gamelistmodel.h"

#include "gameorder.h"

#include <QDateTime>
#include <QFont>
#include <QLocale>

#include <algorithm>

namespace browser
{
namespace
{

constexpr char16_t kStar = u'\u2605';
constexpr char16_t kHollowStar = u'\u2606';

std::optional<GameSort> sortOf(int column)
{
    switch (column) {
    case GameListModel::Title:
        return GameSort::Title;
    case GameListModel::Machine:
        return GameSort::Machine;
    case GameListModel::Year:
        return GameSort::Year;
    case GameListModel::Publisher:
        return GameSort::Publisher;
    case GameListModel::Genre:
        return GameSort::Genre;
    case GameListModel::LastPlayed:
        return GameSort::Played;
    case GameListModel::Plays:
        return GameSort::Plays;
    case GameListModel::Favourite:
        return GameSort::Favourite;
    default:
        return std::nullopt;
    }
}

} // namespace

int GameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int GameListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant GameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_shown.size())
        return {};
    const quint32 position = m_shown[size_t(index.row())];
    const GameSummary &row = m_rows.at(position);
    const bool pinned = m_pinned == position;
    switch (role) {
    case Qt::DisplayRole:
        return display(row, index.column());
    case Qt::ToolTipRole:
        if (pinned)
            return tr("shown although it does not match the search");
        return index.column() == Favourite ? tr("Favourite (click to change)") : QVariant();
    case Qt::FontRole:
        if (pinned) {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == Favourite ? QVariant(Qt::AlignCenter)
               : index.column() == Plays   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                           : QVariant();
    case IdRole:
        return row.id;
    case PinnedRole:
        return pinned;
    case MachineRole:
        return row.machine;
    default:
        return {};
    }
}

QVariant GameListModel::display(const GameSummary &row, int column) const
{
    switch (column) {
    case Title:
        return row.title;
    case Favourite:
        return QString(QChar(row.favourite ? kStar : kHollowStar));
    case Machine:
        return row.machine;
    case Year:
        return row.year;
    case Publisher:
        return row.publisher;
    case Genre:
        return row.genre;
    case LastPlayed:
        return row.lastPlayed == 0
                   ? QString()
                   : QLocale().toString(QDateTime::fromSecsSinceEpoch(row.lastPlayed),
                                        QLocale::ShortFormat);
    default:
        return row.plays == 0 ? QString() : QString::number(row.plays);
    }
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Title:
        return tr("Title");
    case Favourite:
        return QString(QChar(kStar));
    case Machine:
        return tr("Machine");
    case Year:
        return tr("Year");
    case Publisher:
        return tr("Publisher");
    case Genre:
        return tr("Genre");
    case LastPlayed:
        return tr("Last played");
    default:
        return tr("Plays");
    }
}

void GameListModel::sort(int column, Qt::SortOrder order)
{
    const std::optional<GameSort> sort = sortOf(column);
    if (!sort)
        return;
    m_sort = *sort;
    m_descending = order == Qt::DescendingOrder;
    if (m_sort != GameSort::Title && !hasDetails())
        Q_EMIT detailsNeeded();
    applySort();
}

void GameListModel::applySort()
{
    // The selection and current entry follow their games to their new rows.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<quint32> positions;
    positions.reserve(size_t(before.size()));
    for (const QModelIndex &index : before)
        positions.push_back(m_shown[size_t(index.row())]);
    m_order = GameOrder::positions(m_rows, m_sort, m_descending);
    rebuildShown();
    std::vector<int> rowOfPosition(size_t(m_rows.size()), -1);
    for (size_t i = 0; i < m_shown.size(); ++i)
        rowOfPosition[m_shown[i]] = int(i);
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(rowOfPosition[positions[size_t(i)]], before.at(i).column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void GameListModel::setRows(QList<GameSummary> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_index.reset();
    m_order = GameOrder::positions(m_rows, m_sort, m_descending);
    m_hidden.assign(size_t(m_rows.size()), false);
    m_gone.assign(size_t(m_rows.size()), false);
    m_found.clear();
    m_search.clear();
    m_pinned.reset();
    rebuildShown();
    endResetModel();
}

void GameListModel::setDetails(QList<GameSummary> rows, SearchIndex index,
                               std::vector<quint32> rowOfEntry)
{
    Q_ASSERT(rows.size() == m_rows.size());
    m_rows = std::move(rows);
    m_index = std::move(index);
    m_rowOfEntry = std::move(rowOfEntry);
    if (m_sort != GameSort::Title)
        applySort();
    else if (!m_shown.empty())
        Q_EMIT dataChanged(this->index(0, 0), this->index(rowCount() - 1, Columns - 1));
}

void GameListModel::setSearch(const QString &search)
{
    Q_ASSERT(search.isEmpty() || m_index);
    const bool narrowing = SearchIndex::narrows(m_search, search);
    m_found = search.isEmpty() || !m_index ? std::vector<quint32>()
                                           : m_index->find(search, narrowing ? &m_found : nullptr);
    m_search = search;
    m_hidden = m_gone;
    if (!search.isEmpty()) {
        std::vector<bool> found(m_gone.size(), false);
        for (const quint32 entry : m_found)
            if (const quint32 row = m_rowOfEntry[entry]; row != kNoRow)
                found[row] = true;
        for (size_t i = 0; i < m_hidden.size(); ++i)
            m_hidden[i] = m_gone[i] || !found[i];
    }
    beginResetModel();
    m_pinned.reset();
    rebuildShown();
    endResetModel();
}

std::optional<quint32> GameListModel::positionOf(GameId id) const
{
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).id == id && !m_gone[size_t(i)])
            return quint32(i);
    return std::nullopt;
}

bool GameListModel::pin(GameId id)
{
    const std::optional<quint32> position = positionOf(id);
    if (!position)
        return false;
    if (!m_hidden[*position])
        return true; // shown already
    beginResetModel();
    m_pinned = position;
    rebuildShown();
    endResetModel();
    return true;
}

bool GameListModel::setPersonal(GameId id, const PersonalData &personal, bool leaves)
{
    const std::optional<quint32> position = positionOf(id);
    if (!position)
        return false;
    GameSummary &row = m_rows[*position];
    row.favourite = personal.favourite;
    row.lastPlayed = personal.lastPlayed;
    row.plays = personal.plays;
    // A row the search hides changes without a word to the views.
    const auto shown = std::find(m_shown.cbegin(), m_shown.cend(), *position);
    const int at = int(shown - m_shown.cbegin());
    if (leaves && shown != m_shown.cend())
        return removeEntry(at);
    if (leaves)
        m_gone[*position] = m_hidden[*position] = true;
    else if (shown != m_shown.cend())
        Q_EMIT dataChanged(index(at, 0), index(at, Columns - 1));
    return true;
}

void GameListModel::rebuildShown()
{
    m_shown.clear();
    m_shown.reserve(m_order.size());
    for (const quint32 position : m_order)
        if (!m_hidden[position] || m_pinned == position)
            m_shown.push_back(position);
}

GameId GameListModel::idAt(int row) const
{
    return row >= 0 && size_t(row) < m_shown.size() ? m_rows.at(m_shown[size_t(row)]).id : 0;
}

int GameListModel::rowOf(GameId id) const
{
    for (size_t i = 0; i < m_shown.size(); ++i)
        if (m_rows.at(m_shown[i]).id == id)
            return int(i);
    return int(m_shown.size());
}

bool GameListModel::removeEntry(int row)
{
    if (row < 0 || size_t(row) >= m_shown.size())
        return false;
    beginRemoveRows({}, row, row);
    const quint32 position = m_shown[size_t(row)];
    m_gone[position] = true;
    m_hidden[position] = true;
    if (m_pinned == position)
        m_pinned.reset();
    m_shown.erase(m_shown.begin() + row);
    endRemoveRows();
    return true;
}

} // namespace browser
