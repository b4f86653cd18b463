#include "folderchooser.h"

#include "appcontext.h"
#include "browselists.h"
#include "browsingpane.h"
#include "fileops.h"
#include "placement.h"
#include "windowregistry.h"

#include <QDir>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow
{

FolderChooser::FolderChooser(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("folderChooser"));
    setWindowTitle(tr("Select Path "));
    m_browsingPane = new BrowsingPane(m_ctx.dialogs, BrowsingPane::Files::Hidden, this);
    m_browsingPane->setObjectName(QStringLiteral("browsingPane"));
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browsingPane, 1);
    layout->addWidget(m_okButton);
    resize(320, 360);
    connect(m_okButton, &QPushButton::clicked, this, &FolderChooser::onOkClicked);
    m_browsingPane->openAt(QDir::toNativeSeparators(QDir::rootPath()));
    centreOnScreen(this);
}

bool FolderChooser::takeRequest(const FolderChooserRequest &request)
{
    m_purpose = request.purpose;
    setWindowTitle(m_purpose == FolderPurpose::Export ? tr("Select Export Path")
                                                      : tr("Select Import Path"));
    return true;
}

void FolderChooser::onOkClicked()
{
    const QString folder = m_browsingPane->folder();
    if (folder.isEmpty()) {
        reportUnreadable(m_ctx.dialogs, QString());
        return;
    }
    // Closing deletes this window: keep what the next one needs.
    WindowRegistry &windows = m_ctx.windows;
    const FolderPurpose purpose = m_purpose;
    close();
    if (purpose == FolderPurpose::Export)
        windows.open(ExportRequest{folder});
    else
        windows.open(ImportRequest{exportFilePath(folder)});
}

} // namespace merrow
