#pragma once

#include "windowrequests.h"

#include <QWidget>

#include <memory>

class AppContext;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace merrow
{

class ImportFile;
class ImportReadJob;
class TransferJob;
enum class TransferMode;

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
    void finishLoading(const QString &why, bool unfit);
    void fillGameList();
    void showDifferences();
    void onSelectClicked();
    void onDeselectClicked();
    void startTransfer(TransferMode mode);
    void showLogged(const QString &line, int added, int modified);
    void showProgress(int done, int total);
    void finishTransfer();
    void setBusy(bool busy);

    AppContext &m_ctx;
    std::unique_ptr<ImportFile> m_file;
    TransferJob *m_job = nullptr;
    ImportReadJob *m_readJob = nullptr;
    bool m_busy = false;
    QListWidget *m_gameList = nullptr;
    QListWidget *m_selectionList = nullptr;
    QListWidget *m_logList = nullptr;
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
