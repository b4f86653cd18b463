#pragma once

#include "transfer.h"
#include "windowrequests.h"

#include <QWidget>

#include <memory>

class AppContext;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QStringListModel;
template <typename T> class BackgroundJob;

namespace merrow
{

class GameLineModel;
class ImportFile;
struct ImportReading;

// Lists the games of an export file, shows how each differs from the catalogue, keeps a
// selection and merges new, selected or all games. Reading a legacy Jet file and the merge
// run on their own threads.
class ImportWindow : public QWidget, public RequestTaker<ImportRequest>
{
    Q_OBJECT
public:
    explicit ImportWindow(AppContext &ctx, QWidget *parent = nullptr);
    ~ImportWindow() override;

    bool takeRequest(const ImportRequest &request) override;
    bool isLoaded() const { return m_file != nullptr; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildLayout();
    QLayout *buildCounts();
    void loadFile(const QString &path);
    void startReading(const QString &path);
    void finishReading();
    void finishLoading(Result<std::unique_ptr<ImportFile>> file, bool unfit);
    void fillGameList();
    void showDifferences();
    void onSelectClicked();
    void onDeselectClicked();
    void startTransfer(TransferMode mode);
    void takeLogged(const QString &line);
    void showLogged();
    void showProgress(qint64 done, qint64 total);
    void finishTransfer();
    void setBusy(bool busy);
    void setLog(const QStringList &lines);
    int currentGameRow() const;

    AppContext &m_ctx;
    std::unique_ptr<ImportFile> m_file;
    BackgroundJob<Result<TransferCounts>> *m_transfer = nullptr;
    BackgroundJob<ImportReading> *m_reading = nullptr;
    bool m_busy = false;
    QStringList m_logged; // notes not yet shown
    TransferCounts m_counts;
    GameLineModel *m_games = nullptr;
    GameLineModel *m_selection = nullptr;
    QStringListModel *m_log = nullptr;
    QListView *m_gameList = nullptr;
    QListView *m_selectionList = nullptr;
    QListView *m_logList = nullptr;
    QPushButton *m_selectButton = nullptr;
    QPushButton *m_deselectButton = nullptr;
    QPushButton *m_transferNewButton = nullptr;
    QPushButton *m_transferSelectedButton = nullptr;
    QPushButton *m_transferAllButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QLabel *m_gameCountLabel = nullptr;
    QLabel *m_selectedCountLabel = nullptr;
    QLabel *m_addedCountLabel = nullptr;
    QLabel *m_modifiedCountLabel = nullptr;
    QLabel *m_waitLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
};

} // namespace merrow
