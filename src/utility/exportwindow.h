#pragma once

#include "windowrequests.h"

#include <QWidget>

class AppContext;
class QLabel;
class QProgressBar;
class QPushButton;
template <typename T> class BackgroundJob;
template <typename T> class Result;

namespace merrow
{

// Runs the export to the export file in the chosen folder; the work runs on its own
// thread while the progress bar follows its steps.
class ExportWindow : public QWidget, public RequestTaker<ExportRequest>
{
    Q_OBJECT
public:
    explicit ExportWindow(AppContext &ctx, QWidget *parent = nullptr);
    ~ExportWindow() override;

    bool takeRequest(const ExportRequest &request) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onStartClicked();
    void showStep(const QString &status);
    void finishExport();
    bool isBusy() const;

    AppContext &m_ctx;
    QString m_destination;
    BackgroundJob<Result<int>> *m_job = nullptr;
    QLabel *m_destinationLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_startButton = nullptr;
    QProgressBar *m_progressBar = nullptr;
};

} // namespace merrow
