#pragma once

#include <QWidget>

class AppContext;
class MissingFilesListing;
class MissingFilesModel;
class QLabel;
class QModelIndex;
class QSortFilterProxyModel;
class QTreeView;

// "Missing Files": every stored path that names no file, with its game; double-click or
// Enter opens the game in the record editor (a configuration folder: System
// Configuration). The list is read on a worker and again after a relink or a save.
class MissingFilesWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MissingFilesWindow(AppContext &ctx, QWidget *parent = nullptr);

private:
    void buildLayout();
    void load();
    void loaded();
    void openRow(const QModelIndex &index);

    AppContext &m_ctx;
    MissingFilesListing *m_listing = nullptr;
    MissingFilesModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QLabel *m_status = nullptr;
    QTreeView *m_view = nullptr;
};
