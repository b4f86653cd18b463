#pragma once

#include "gameentry.h"

#include <QAbstractTableModel>
#include <QList>

// The games a folder scan found, one row each, with a box to leave a game out.
class ScanTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Title, Machine, Year, Publisher, Disks, Picture, Music, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setGames(QList<GameEntry> games);
    QList<GameEntry> chosenGames() const;
    int chosenCount() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    void chosenCountChanged(int count);

private:
    QVariant text(const GameEntry &entry, int column) const;

    QList<GameEntry> m_games;
    QList<bool> m_chosen;
};
