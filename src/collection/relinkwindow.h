#pragma once

#include "backgroundjob.h"
#include "relinker.h"

#include <QWidget>

class AppContext;
class MissingFilesListing;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStandardItemModel;
class QTreeView;

// "Relink Files": shows how many stored paths are lost and the folders they share, lets the
// user give each of those folders its new place and a folder to search by name, previews
// how many would be found, and relinks them with progress, Cancel and a report.
class RelinkWindow : public QWidget
{
    Q_OBJECT
public:
    explicit RelinkWindow(AppContext &ctx, QWidget *parent = nullptr);

private:
    void buildLayout();
    void loadMissing();
    void showMissing();
    void chooseNewFolder();
    void chooseSearchFolder();
    RelinkPlan plan() const;
    void start(bool dryRun);
    void finished();

    AppContext &m_ctx;
    BackgroundJob<Result<RelinkReport>> m_job;
    MissingFilesListing *m_listing = nullptr;
    bool m_dryRun = true;
    qint64 m_missing = 0;
    QString m_searchFolder;
    QStandardItemModel *m_prefixes = nullptr;
    QLabel *m_missingLabel = nullptr;
    QTreeView *m_prefixView = nullptr;
    QLabel *m_searchLabel = nullptr;
    QLabel *m_previewLabel = nullptr;
    QPlainTextEdit *m_report = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_relinkButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
