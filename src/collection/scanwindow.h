#pragma once

#include "backgroundjob.h"
#include "folderscanner.h"
#include "windowrequests.h"

#include <QWidget>

class AppContext;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class ScanTableModel;

// "Add Games from Folder": scans the folder on a worker with progress and Cancel, then
// shows what it found, each game with a box to leave it out, and adds the chosen ones.
class ScanWindow : public QWidget, public RequestTaker<FolderScanRequest>
{
    Q_OBJECT
public:
    explicit ScanWindow(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const FolderScanRequest &request) override;

private:
    void buildLayout();
    void scanFinished();
    void addChosen();
    void showChosenCount(int count);

    AppContext &m_ctx;
    BackgroundJob<ScanReport> m_job;
    ScanTableModel *m_model = nullptr;
    QLabel *m_folderLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QTableView *m_table = nullptr;
    QListWidget *m_skipped = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_addButton = nullptr;
};
