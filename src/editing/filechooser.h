#pragma once

#include "choosersetup.h"
#include "windowrequests.h"

#include <QWidget>

#include <optional>

class AppContext;
class BrowsingPane;
class QFrame;
class QLabel;
class QPushButton;

// The file and folder chooser. The request's purpose decides caption, width, filter and
// where it starts; Store… purposes write the pick into the game, the others hand it back
// through WindowEvents::filePicked.
class FileChooser : public QWidget, public RequestTaker<FileChooserRequest>
{
    Q_OBJECT
public:
    explicit FileChooser(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const FileChooserRequest &request) override;

private:
    void openStartFolder(const QString &folder);
    void applyWidth();
    QString machineOf(int gameId) const;
    void clearPreview();
    void onFileClicked(const QString &path);
    void onOkClicked();
    bool store(const QString &path);
    bool askForNextDisk(int gameId);

    AppContext &m_ctx;
    std::optional<FileChooserRequest> m_request;
    ChooserSetup m_setup;
    int m_diskCounter = 0;

    BrowsingPane *m_browsingPane;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
    QFrame *m_previewFrame;
    QLabel *m_previewImage;
};
