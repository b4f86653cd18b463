#include "browsingpane.h"

#include "browselists.h"

#include <QDir>
#include <QVBoxLayout>

BrowsingPane::BrowsingPane(Dialogs &dialogs, Files files, QWidget *parent)
    : QWidget(parent), m_drives(new DriveListBox(this)), m_folders(new DirListBox(this))
{
    m_drives->setObjectName(QStringLiteral("driveList"));
    m_folders->setObjectName(QStringLiteral("folderList"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_drives);
    layout->addWidget(m_folders, 1);
    if (files == Files::Shown) {
        m_files = new FileListBox(this);
        m_files->setObjectName(QStringLiteral("fileList"));
        layout->addWidget(m_files, 2);
        connect(m_files, &FileListBox::clicked, this,
                [this] { Q_EMIT fileClicked(m_files->selectedFilePath()); });
        connect(m_files, &FileListBox::doubleClicked, this,
                [this] { Q_EMIT fileActivated(m_files->selectedFilePath()); });
    }
    connect(m_drives, &DriveListBox::changed, this, &BrowsingPane::onDriveChanged);
    connect(m_folders, &DirListBox::changed, this, &BrowsingPane::onFolderChanged);
    reportUnreadable(dialogs, m_drives, m_folders);
}

bool BrowsingPane::openAt(const QString &folder)
{
    bool opened = false;
    {
        const QSignalBlocker driveBlocker(m_drives);
        const QSignalBlocker folderBlocker(m_folders);
        opened = !folder.isEmpty() && m_drives->setDrive(folder) && m_folders->setPath(folder);
        if (!opened) {
            m_drives->setDrive(QDir::rootPath());
            m_folders->setPath(m_drives->drive());
        }
    }
    if (m_files)
        m_files->setPath(m_folders->path());
    return opened;
}

QString BrowsingPane::folder() const
{
    return m_folders->path();
}

QString BrowsingPane::selectedFile() const
{
    return m_files ? m_files->selectedFilePath() : QString();
}

void BrowsingPane::onDriveChanged()
{
    // A drive whose root cannot be read goes back to the folder that stays open.
    if (!m_folders->setPath(m_drives->drive()))
        m_drives->setDrive(m_folders->path());
}

void BrowsingPane::onFolderChanged()
{
    if (m_files)
        m_files->setPath(m_folders->path());
    Q_EMIT folderChanged(m_folders->path());
}
