#pragma once

#include "windowrequests.h"

#include <QWidget>

class AppContext;
class BrowsingPane;
class QPushButton;

namespace merrow
{

// Picks the folder of the export file ("export.mdb") to write or to read, then opens the
// export or the import window with it.
class FolderChooser : public QWidget, public RequestTaker<FolderChooserRequest>
{
    Q_OBJECT
public:
    explicit FolderChooser(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const FolderChooserRequest &request) override;

private:
    void onOkClicked();

    AppContext &m_ctx;
    FolderPurpose m_purpose = FolderPurpose::Export;
    BrowsingPane *m_browsingPane = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace merrow
