#include "gamelistmodel.h"

#include <algorithm>

namespace browser
{
namespace
{

// A screenful and more: one read serves what a view draws at a time.
constexpr qsizetype kMachineBlock = 64;

} // namespace

int GameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant GameListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const GameSummary &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.title;
    case Qt::ToolTipRole: {
        const QString machine = machineAt(index.row());
        return machine.isEmpty() ? row.title
                                 : row.title + QStringLiteral(" (") + machine + QLatin1Char(')');
    }
    case IdRole:
        return row.id;
    case MachineRole:
        return machineAt(index.row());
    default:
        return {};
    }
}

void GameListModel::setRows(QList<GameSummary> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    // A machine may have changed with the list: read again what is drawn next.
    m_machines.clear();
    endResetModel();
}

QString GameListModel::machineAt(int row) const
{
    const GameId id = m_rows.at(row).id;
    if (m_machines.contains(id) || !m_readMachines)
        return m_machines.value(id);
    // The entries around the asked one that are not read yet: a view scrolled either way
    // draws them next.
    QList<GameId> ids;
    for (qsizetype i = std::max(qsizetype(0), row - kMachineBlock / 4);
         i < m_rows.size() && ids.size() < kMachineBlock; ++i)
        if (!m_machines.contains(m_rows.at(i).id))
            ids << m_rows.at(i).id;
    const QHash<GameId, QString> read = m_readMachines(ids);
    // A game gone, or a read that failed, draws no machine and is not asked for again.
    for (const GameId each : ids)
        m_machines.insert(each, read.value(each));
    return m_machines.value(id);
}

GameId GameListModel::idAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).id : 0;
}

int GameListModel::rowOf(GameId id) const
{
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).id == id)
            return int(i);
    return int(m_rows.size());
}

bool GameListModel::removeEntry(int row)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    return true;
}

} // namespace browser
