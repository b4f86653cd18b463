#pragma once

#include "importfile.h"

#include <QAbstractListModel>

namespace merrow
{

// The game lines of an import list; each row's Qt::UserRole is its export id.
class GameLineModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void setEntries(QList<ListEntry> entries);
    void append(const ListEntry &entry);
    void removeAt(int row);
    const QList<ListEntry> &entries() const { return m_entries; }
    // The row of the game with this export id; -1 when it is not listed.
    int rowOf(GameId id) const;

private:
    QList<ListEntry> m_entries;
};

} // namespace merrow
