#pragma once

#include "listquery.h"

#include <QAbstractListModel>

namespace browser
{

// The rows of the game list: the title is the entry text, the id its item data
// (Qt::UserRole). Filled in one go, so tens of thousands of games cost one reset.
class GameListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    static constexpr int IdRole = Qt::UserRole;
    static constexpr int MachineRole = Qt::UserRole + 1; // formato, drawn as a quiet suffix

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void setRows(QList<ListRow> rows);
    const QList<ListRow> &rows() const { return m_rows; }
    // The id of a row, 0 when the row does not exist.
    int idAt(int row) const;
    // The first row showing the game id; the row count when none does.
    int rowOf(int id) const;
    // Removes one entry (a deleted game); false when the row does not exist.
    bool removeEntry(int row);

private:
    QList<ListRow> m_rows;
};

} // namespace browser
