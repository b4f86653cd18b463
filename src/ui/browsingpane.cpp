#include "browsingpane.h"

#include "browselists.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

BrowsingPane::BrowsingPane(Dialogs &dialogs, Files files, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs), m_folderEdit(new QLineEdit(this)),
      m_drives(new DriveListBox(this)), m_folders(new DirListBox(this))
{
    m_folderEdit->setObjectName(QStringLiteral("folderEdit"));
    m_folderEdit->setPlaceholderText(tr("Type or paste a folder, then press Enter"));
    m_drives->setObjectName(QStringLiteral("driveList"));
    m_folders->setObjectName(QStringLiteral("folderList"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_folderEdit);
    layout->addWidget(m_drives);
    layout->addWidget(m_folders, 1);
    if (files == Files::Shown) {
        m_files = new FileListBox(this);
        m_files->setObjectName(QStringLiteral("fileList"));
        layout->addWidget(m_files, 2);
        m_filterBox = new QComboBox(this);
        m_filterBox->setObjectName(QStringLiteral("filterBox"));
        m_filterBox->hide();
        layout->addWidget(m_filterBox);
        connect(m_filterBox, &QComboBox::activated, this, &BrowsingPane::onFilterChosen);
        connect(m_files, &FileListBox::clicked, this,
                [this] { Q_EMIT fileClicked(m_files->selectedFilePath()); });
        connect(m_files, &FileListBox::doubleClicked, this,
                [this] { Q_EMIT fileActivated(m_files->selectedFilePath()); });
    }
    connect(m_drives, &DriveListBox::changed, this, &BrowsingPane::onDriveChanged);
    connect(m_folders, &DirListBox::changed, this, &BrowsingPane::onFolderChanged);
    // Enter in the box is the box's own: it must not also press the window's default button.
    m_folderEdit->installEventFilter(this);
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
    m_folderEdit->setText(m_folders->path());
    return opened;
}

void BrowsingPane::setFilters(const QList<FileFilter> &filters)
{
    if (!m_filterBox)
        return;
    m_filters = filters;
    const QSignalBlocker blocker(m_filterBox);
    m_filterBox->clear();
    for (const FileFilter &f : filters)
        m_filterBox->addItem(f.caption);
    m_filterBox->setVisible(filters.size() > 1);
    onFilterChosen(0);
}

void BrowsingPane::onFilterChosen(int index)
{
    if (m_files)
        m_files->setPattern(index >= 0 && index < m_filters.size() ? m_filters.at(index).patterns
                                                                   : QStringLiteral("*.*"));
}

bool BrowsingPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_folderEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onFolderTyped();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A typed file opens its folder and, where files are chosen, is chosen as a double click
// would choose it.
void BrowsingPane::onFolderTyped()
{
    const QString typed = m_folderEdit->text().trimmed();
    const QFileInfo info(typed);
    const QString folder = info.isFile() ? info.absolutePath() : typed;
    const QString before = m_folders->path();
    bool opened = false;
    {
        const QSignalBlocker driveBlocker(m_drives);
        // folderChanged follows from the folder list.
        opened = m_drives->setDrive(folder) && m_folders->setPath(folder);
        if (!opened)
            m_drives->setDrive(before);
    }
    m_folderEdit->setText(m_folders->path());
    if (!opened)
        reportUnreadable(m_dialogs, typed);
    else if (info.isFile() && selectTypedFile(info.fileName()))
        Q_EMIT fileActivated(m_files->selectedFilePath());
}

// Selects the file in the shown file list, under the first filter choice that lists it when
// the one in force does not.
bool BrowsingPane::selectTypedFile(const QString &name)
{
    if (!m_files || m_files->isHidden())
        return false;
    if (m_files->selectFile(name))
        return true;
    const int inForce = m_filterBox->currentIndex();
    for (int i = 0; i < m_filters.size(); ++i) {
        onFilterChosen(i);
        if (m_files->selectFile(name)) {
            const QSignalBlocker blocker(m_filterBox);
            m_filterBox->setCurrentIndex(i);
            return true;
        }
    }
    onFilterChosen(inForce);
    return false;
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
    m_folderEdit->setText(m_folders->path());
    if (m_files)
        m_files->setPath(m_folders->path());
    Q_EMIT folderChanged(m_folders->path());
}
