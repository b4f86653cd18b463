#pragma once

#include "missingfiles.h"

#include <QAbstractTableModel>

// The lost paths as a table: game id, title, what the path is, the path. Sorted through a
// proxy by sortRole, which gives ids as numbers.
class MissingFilesModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Id, Title, What, Path, ColumnCount };
    static constexpr int sortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setFiles(QList<MissingFile> files);
    // The game of a row; 0 for a folder of the configuration.
    GameId gameAt(int row) const { return m_files.at(row).game; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<MissingFile> m_files;
};
