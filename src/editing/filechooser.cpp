#include "filechooser.h"

#include "appcontext.h"
#include "browselists.h"
#include "browsingpane.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "placement.h"
#include "windowregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

// A whole C64 or Amiga screenshot fits the preview unscaled.
constexpr QSize kPreviewSize(320, 300);

bool sameRequest(const FileChooserRequest &a, const FileChooserRequest &b)
{
    return a.purpose == b.purpose && a.startFolder == b.startFolder && a.gameId == b.gameId;
}

bool isReadableFolder(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.isReadable();
}

} // namespace

FileChooser::FileChooser(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_browsingPane(new BrowsingPane(ctx.dialogs, BrowsingPane::Files::Shown, this)),
      m_okButton(new QPushButton(tr("OK"), this)),
      m_cancelButton(new QPushButton(tr("Cancel"), this)), m_previewFrame(new QFrame(this)),
      m_previewImage(new QLabel(m_previewFrame))
{
    setObjectName(QStringLiteral("fileChooser"));
    closeOnEscape(this);
    m_browsingPane->setObjectName(QStringLiteral("browsingPane"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_previewFrame->setObjectName(QStringLiteral("previewFrame"));
    m_previewImage->setObjectName(QStringLiteral("previewImage"));

    // Wide enough for folder names, tall enough for a dozen entries, in the user's font.
    const QFontMetrics metrics = fontMetrics();
    m_browsingPane->setFixedWidth(metrics.averageCharWidth() * 32);
    m_browsingPane->setMinimumHeight(metrics.lineSpacing() * 14);
    m_previewFrame->setFrameShape(QFrame::Box);
    m_previewFrame->setFixedSize(kPreviewSize);

    auto *left = new QVBoxLayout;
    left->addWidget(m_browsingPane, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_okButton, 1);
    buttons->addWidget(m_cancelButton, 1);
    left->addLayout(buttons);
    auto *row = new QHBoxLayout(this);
    row->addLayout(left);
    row->addWidget(m_previewFrame, 0, Qt::AlignTop);

    connect(m_browsingPane, &BrowsingPane::folderChanged, this, &FileChooser::clearPreview);
    connect(m_browsingPane, &BrowsingPane::fileClicked, this, &FileChooser::onFileClicked);
    connect(m_browsingPane, &BrowsingPane::fileActivated, this, &FileChooser::onOkClicked);
    connect(m_okButton, &QPushButton::clicked, this, &FileChooser::onOkClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);
}

bool FileChooser::takeRequest(const FileChooserRequest &request)
{
    // Asked again for the same thing while open (the next disk of a series): go on.
    if (m_request && sameRequest(*m_request, request))
        return true;
    const ChooserSetup setup = chooserSetup(request.purpose);
    // No configured folder: the pick starts at home. A configured one that cannot be read
    // is a fault of the configuration, and said so.
    if (setup.needsStartFolder && !request.startFolder.isEmpty() &&
        !isReadableFolder(request.startFolder)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Directory in configuration is bad"), Dialogs::Icon::Critical,
                              tr("Error"));
        return false;
    }
    m_request = request;
    m_setup = setup;
    m_diskCounter = 0;
    clearPreview();
    setWindowTitle(m_setup.caption);
    FileListBox *files = m_browsingPane->fileList();
    m_browsingPane->setFilters(m_setup.executablesOnly
                                   ? QList<FileFilter>{}
                                   : chooserFilters(request.purpose, machineOf(request.gameId)));
#ifdef Q_OS_WIN
    if (m_setup.executablesOnly)
        files->setPattern(QStringLiteral("*.exe"));
#else
    // Programs here carry no ".exe": the program purposes list what may be run.
    files->setExecutablesOnly(m_setup.executablesOnly);
#endif
    openStartFolder(request.startFolder);
    applyWidth();
    // As wide as the controls of the purpose; the lists give way on a low screen.
    layout()->activate();
    resize(sizeHint());
    centreOnScreen(this);
    return true;
}

// Media picks open the configuration's folder (checked before), else home. Program and
// folder picks open the requested folder, else stay where the lists are, else home.
void FileChooser::openStartFolder(const QString &folder)
{
    if (folder.isEmpty() && !m_setup.needsStartFolder && !m_browsingPane->folder().isEmpty()) {
        m_browsingPane->fileList()->refresh();
        return;
    }
    if (!m_browsingPane->openAt(folder))
        m_browsingPane->openAt(QDir::homePath());
}

QString FileChooser::machineOf(int gameId) const
{
    if (gameId == 0)
        return {};
    return CatalogueStore(m_ctx.db()).game(gameId).valueOr({}).machine;
}

void FileChooser::applyWidth()
{
    m_browsingPane->fileList()->setVisible(m_setup.width != ChooserWidth::FoldersOnly);
    m_previewFrame->setVisible(m_setup.width == ChooserWidth::FilesWithPreview);
}

void FileChooser::clearPreview()
{
    m_previewImage->clear();
    m_previewImage->hide();
}

void FileChooser::onFileClicked(const QString &path)
{
    clearPreview();
    if (m_setup.width != ChooserWidth::FilesWithPreview || path.isEmpty())
        return;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (!size.isValid())
        return;
    // A picture larger than the frame is shrunk to fit rather than cut.
    const QSize box = m_previewFrame->size();
    if (size.width() > box.width() || size.height() > box.height()) {
        size = size.scaled(box, Qt::KeepAspectRatio);
        reader.setScaledSize(size);
    }
    const QImage image = reader.read();
    if (image.isNull())
        return;
    m_previewImage->setPixmap(QPixmap::fromImage(image));
    m_previewImage->resize(image.size());
    m_previewImage->move((box.width() - image.width()) / 2, (box.height() - image.height()) / 2);
    m_previewImage->show();
}

void FileChooser::onOkClicked()
{
    if (!m_request)
        return;
    const QString name = m_setup.width == ChooserWidth::FoldersOnly
                             ? QString()
                             : m_browsingPane->fileList()->fileName();
    // A folder alone keeps one trailing separator.
    const QString path = QDir::toNativeSeparators(joinPath(m_browsingPane->folder(), name));
    if (m_setup.store != ChooserStore::None) {
        if (store(path))
            close();
        return;
    }
    const ChooserPurpose purpose = m_request->purpose;
    close();
    Q_EMIT m_ctx.windows.events().filePicked(purpose, path);
}

// Writes the pick into the game; false when the chooser is to stay open (a failure, or
// the next disk of a series).
bool FileChooser::store(const QString &path)
{
    Game game;
    game.id = m_request->gameId;
    const std::optional<Game::Field> field = storedField(m_setup.store, m_diskCounter);
    if (field) {
        game.value(*field) = path;
        if (const Outcome stored = CatalogueStore(m_ctx.db()).updateFields(game, {*field});
            !stored) {
            m_ctx.dialogs.beep();
            m_ctx.dialogs.message(tr("The file was not stored: %1").arg(stored.error()),
                                  Dialogs::Icon::Critical, tr("Error"));
            return false;
        }
        Q_EMIT m_ctx.windows.events().gameSaved(int(game.id));
    }
    if (m_setup.store != ChooserStore::GameDisks)
        return true;
    if (field)
        ++m_diskCounter;
    return !askForNextDisk(int(game.id));
}

// True when the user wants another disk of an Amiga game.
bool FileChooser::askForNextDisk(int gameId)
{
    const Result<Game> game = CatalogueStore(m_ctx.db()).game(gameId);
    if (!game || m_diskCounter == kMaxGameDisks || !offersOtherDisk(game->machine))
        return false;
    m_ctx.dialogs.beep();
    return m_ctx.dialogs.ask(tr("Configure Other Disk?"), Dialogs::Icon::Question,
                             tr("Amiga File Game"));
}
