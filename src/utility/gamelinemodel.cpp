#include "gamelinemodel.h"

namespace merrow
{

int GameLineModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant GameLineModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const ListEntry &e = m_entries.at(index.row());
    if (role == Qt::DisplayRole)
        return e.line;
    if (role == Qt::UserRole)
        return e.id;
    return {};
}

void GameLineModel::setEntries(QList<ListEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

void GameLineModel::append(const ListEntry &entry)
{
    const int row = int(m_entries.size());
    beginInsertRows({}, row, row);
    m_entries.append(entry);
    endInsertRows();
}

void GameLineModel::removeAt(int row)
{
    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    endRemoveRows();
}

int GameLineModel::rowOf(GameId id) const
{
    for (int row = 0; row < m_entries.size(); ++row)
        if (m_entries.at(row).id == id)
            return row;
    return -1;
}

} // namespace merrow
