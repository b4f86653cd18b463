#include "folderchooser.h"

#include "appcontext.h"
#include "browselists.h"
#include "browsingpane.h"
#include "fileops.h"
#include "placement.h"
#include "windowregistry.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace merrow
{

FolderChooser::FolderChooser(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("folderChooser"));
    // Escape closes the window, as in every secondary window.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setWindowTitle(tr("Select Path "));
    // The file list shows what an import would read; an export needs only the folder.
    m_browsingPane = new BrowsingPane(m_ctx.dialogs, BrowsingPane::Files::Shown, this);
    m_browsingPane->setObjectName(QStringLiteral("browsingPane"));
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browsingPane, 1);
    layout->addLayout(buttons);
    resize(360, 420);
    connect(m_okButton, &QPushButton::clicked, this, &FolderChooser::onOkClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browsingPane, &BrowsingPane::fileActivated, this, &FolderChooser::onOkClicked);
    m_browsingPane->openAt(QDir::toNativeSeparators(QDir::homePath()));
    centreOnScreen(this);
}

bool FolderChooser::takeRequest(const FolderChooserRequest &request)
{
    m_purpose = request.purpose;
    const bool importing = m_purpose == FolderPurpose::Import;
    setWindowTitle(importing ? tr("Select Import Path") : tr("Select Export Path"));
    m_browsingPane->fileList()->setVisible(importing);
    m_browsingPane->setFilters({{tr("Catalogue exports (*.mdb)"), QStringLiteral("*.mdb")},
                                {tr("All files"), QStringLiteral("*")}});
    return true;
}

void FolderChooser::onOkClicked()
{
    const QString folder = m_browsingPane->folder();
    if (folder.isEmpty()) {
        reportUnreadable(m_ctx.dialogs, QString());
        return;
    }
    // An import reads the file picked in the list, else the folder's export file.
    const QString file =
        m_purpose == FolderPurpose::Import ? m_browsingPane->selectedFile() : QString();
    // Closing deletes this window: keep what the next one needs.
    WindowRegistry &windows = m_ctx.windows;
    const FolderPurpose purpose = m_purpose;
    close();
    if (purpose == FolderPurpose::Export)
        windows.open(ExportRequest{folder});
    else
        windows.open(ImportRequest{file.isEmpty() ? exportFilePath(folder) : file});
}

} // namespace merrow
