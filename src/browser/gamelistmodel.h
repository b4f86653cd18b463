#pragma once

#include "game.h"

#include <QAbstractListModel>
#include <QHash>

#include <functional>

namespace browser
{

// The rows of the game list: the title is the entry text, the id its item data
// (Qt::UserRole). Filled in one go, so tens of thousands of games cost one reset. The
// machines are read only for the entries a view draws, a block at a time.
class GameListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    static constexpr int IdRole = Qt::UserRole;
    static constexpr int MachineRole = Qt::UserRole + 1; // drawn as a quiet suffix
    // The machines of the games ids, by id.
    using MachineReader = std::function<QHash<GameId, QString>(const QList<GameId> &ids)>;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void setRows(QList<GameSummary> rows);
    void setMachineReader(MachineReader reader) { m_readMachines = std::move(reader); }
    // The id of a row, 0 when the row does not exist.
    GameId idAt(int row) const;
    // The first row showing the game id; the row count when none does.
    int rowOf(GameId id) const;
    // Removes one entry (a deleted game); false when the row does not exist.
    bool removeEntry(int row);

private:
    QString machineAt(int row) const;

    QList<GameSummary> m_rows;
    MachineReader m_readMachines;
    mutable QHash<GameId, QString> m_machines; // by game id, as far as read since setRows
};

} // namespace browser
