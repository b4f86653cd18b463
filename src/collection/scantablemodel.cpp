#include "scantablemodel.h"

#include "folderscanner.h"

#include <QFileInfo>

void ScanTableModel::setGames(QList<GameEntry> games)
{
    beginResetModel();
    m_games = std::move(games);
    m_chosen = QList<bool>(m_games.size(), true);
    endResetModel();
    Q_EMIT chosenCountChanged(chosenCount());
}

QList<GameEntry> ScanTableModel::chosenGames() const
{
    QList<GameEntry> chosen;
    for (qsizetype i = 0; i < m_games.size(); ++i)
        if (m_chosen.at(i))
            chosen << m_games.at(i);
    return chosen;
}

int ScanTableModel::chosenCount() const
{
    return int(m_chosen.count(true));
}

int ScanTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_games.size());
}

int ScanTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScanTableModel::text(const GameEntry &entry, int column) const
{
    const Game &game = entry.game;
    switch (column) {
    case Title:
        return game.title;
    case Machine:
        return game.machine;
    case Year:
        return game.year;
    case Publisher:
        return game.publisher;
    case Disks:
        return ScanReport::diskCount(entry);
    case Picture:
        return QFileInfo(game.screenshot1).fileName();
    case Music:
        return QFileInfo(game.musicFile).fileName();
    }
    return {};
}

QVariant ScanTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::CheckStateRole && index.column() == Title)
        return m_chosen.at(index.row()) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::DisplayRole)
        return text(m_games.at(index.row()), index.column());
    if (role == Qt::ToolTipRole && index.column() == Title)
        return m_games.at(index.row()).game.gameFile;
    return {};
}

bool ScanTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Title || role != Qt::CheckStateRole)
        return false;
    m_chosen[index.row()] = value.value<Qt::CheckState>() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    Q_EMIT chosenCountChanged(chosenCount());
    return true;
}

Qt::ItemFlags ScanTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Title)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant ScanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Title:
        return tr("Title");
    case Machine:
        return tr("Machine");
    case Year:
        return tr("Year");
    case Publisher:
        return tr("Publisher");
    case Disks:
        return tr("Disks");
    case Picture:
        return tr("Picture");
    case Music:
        return tr("Music");
    }
    return {};
}
