#include "filechooser.h"

#include "appcontext.h"
#include "browselists.h"
#include "dialogs.h"
#include "gamerecords.h"
#include "mainpanel.h"
#include "placement.h"

#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

// Twips sizes of the designed controls, with a floor so that paths stay readable on
// today's fonts.
int scaled(double twips, int floor)
{
    return std::max(twipsToPixels(twips), floor);
}

} // namespace

sfoglia::sfoglia(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_drive(new DriveListBox(this)),
      m_dir(new DirListBox(this)), m_file(new FileListBox(this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)), m_frame(new QFrame(this)),
      m_image(new QLabel(m_frame))
{
    setObjectName(QStringLiteral("sfoglia"));
    m_drive->setObjectName(QStringLiteral("Drive1"));
    m_dir->setObjectName(QStringLiteral("Dir1"));
    m_file->setObjectName(QStringLiteral("File1"));
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_image->setObjectName(QStringLiteral("Image1"));

    const int listWidth = scaled(2415, 220);
    m_drive->setFixedWidth(listWidth);
    m_dir->setFixedWidth(listWidth);
    m_dir->setMinimumHeight(scaled(3015, 240));
    m_ok->setFixedWidth(listWidth);
    m_file->setFixedWidth(listWidth);
    m_file->setMinimumHeight(scaled(3990, 300));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setFixedSize(scaled(4335, 320), scaled(3975, 300));

    auto *left = new QVBoxLayout;
    left->addWidget(m_drive);
    left->addWidget(m_dir, 1);
    left->addWidget(m_ok);
    auto *row = new QHBoxLayout(this);
    row->addLayout(left);
    row->addWidget(m_file);
    row->addWidget(m_frame, 0, Qt::AlignTop);
    // The window is as wide as the controls of its mode.
    row->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_drive, &DriveListBox::changed, this, &sfoglia::Drive1_Change);
    connect(m_dir, &DirListBox::changed, this, &sfoglia::Dir1_Change);
    connect(m_file, &FileListBox::clicked, this, &sfoglia::File1_Click);
    connect(m_file, &FileListBox::doubleClicked, this, &sfoglia::Command1_Click);
    connect(m_ok, &QPushButton::clicked, this, &sfoglia::Command1_Click);
    reportUnreadable(m_ctx.dialogs, m_drive, m_dir);

    Form_Load();
}

void sfoglia::Form_Load()
{
    m_diskCounter = 0;
    m_delivered = false;
    m_mode = chooserMode(m_ctx.browsemode);
    m_loadedStartdir = m_ctx.startdir;
    m_loadedId = m_ctx.selectedid;
    clearPreview();

    setWindowTitle(m_mode.caption.isEmpty() ? chooserDesignedCaption() : m_mode.caption);
#ifdef Q_OS_WIN
    m_file->setPattern(m_mode.executables ? QStringLiteral("*.exe") : QStringLiteral("*.*"));
#else
    // Programs here carry no ".exe": the executable modes list what may be run.
    m_file->setPattern(QStringLiteral("*.*"));
    m_file->setExecutablesOnly(m_mode.executables);
#endif

    if (m_mode.opensInStartdir) {
        const QString before = m_ctx.browsepath;
        if (!positionOn(m_ctx.startdir)) {
            // Moving the lists part of the way must not leave a path that looks picked.
            m_ctx.browsepath = before;
            // Voided before the message, which may let the caller activate first.
            m_ctx.pickflag = QStringLiteral("no");
            applyWidth();
            m_ctx.dialogs.beep();
            m_ctx.dialogs.message(QStringLiteral("Directory in configuration is bad"),
                                  Dialogs::Icon::Critical, QStringLiteral("Error"));
            closeLater();
            return;
        }
    } else if (m_dir->path().isEmpty() && !positionOn(QDir::currentPath())) {
        positionOn(QDir::homePath());
    }
    applyWidth();
    adjustSize();
    m_ctx.currentform = this;
    centreOnScreen(this);
    m_ctx.browsepath.clear();
}

void sfoglia::Form_Activate()
{
    const bool sameRequest = m_ctx.browsemode == m_mode.word &&
                             (!m_mode.opensInStartdir || m_ctx.startdir == m_loadedStartdir) &&
                             (m_mode.store == ChooserStore::None || m_ctx.selectedid == m_loadedId);
    if (!sameRequest)
        Form_Load();
}

bool sfoglia::positionOn(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    return m_drive->setDrive(folder) && m_dir->setPath(folder);
}

void sfoglia::applyWidth()
{
    m_file->setVisible(m_mode.width != ChooserWidth::DirectoryOnly);
    m_frame->setVisible(m_mode.width == ChooserWidth::FilesWithPreview);
}

void sfoglia::Drive1_Change()
{
    if (!m_dir->setPath(m_drive->drive()))
        reportUnreadable(m_ctx.dialogs, m_drive->drive());
}

void sfoglia::Dir1_Change()
{
    m_ctx.browsepath = m_dir->path();
    m_file->setPath(m_dir->path());
    clearPreview();
}

void sfoglia::clearPreview()
{
    m_image->clear();
    m_image->hide();
}

void sfoglia::File1_Click()
{
    clearPreview();
    if (m_mode.width != ChooserWidth::FilesWithPreview)
        return;
    const QString name = m_file->fileName();
    if (name.isEmpty())
        return;
    QImageReader reader(joinPath(m_dir->path(), name));
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (!size.isValid())
        return;
    // A picture larger than the frame is shrunk to fit rather than cut.
    const QSize box = m_frame->size();
    if (size.width() > box.width() || size.height() > box.height()) {
        size = size.scaled(box, Qt::KeepAspectRatio);
        reader.setScaledSize(size);
    }
    const QImage image = reader.read();
    if (image.isNull())
        return;
    m_image->setPixmap(QPixmap::fromImage(image));
    m_image->resize(image.size());
    m_image->move((box.width() - image.width()) / 2, (box.height() - image.height()) / 2);
    m_image->show();
}

void sfoglia::Command1_Click()
{
    const QString name =
        m_mode.width == ChooserWidth::DirectoryOnly ? QString() : m_file->fileName();
    // A folder alone keeps one trailing separator.
    const QString result = QDir::toNativeSeparators(joinPath(m_dir->path(), name));
    m_ctx.browsepath = result;
    if (m_mode.store != ChooserStore::None && !store(result))
        return;
    m_delivered = true;
    close();
}

// Writes the pick into the game; false when the chooser is to stay open (a failure, or
// the next disk of a series).
bool sfoglia::store(const QString &result)
{
    QSqlDatabase db = m_ctx.db();
    QString error;
    const QString column = m_mode.store == ChooserStore::GameDisk ? gameDiskColumn(m_diskCounter)
                                                                  : storeColumn(m_mode.store);
    if (!column.isEmpty() && !gamerecords::updateGame(db, m_loadedId, {{column, result}}, &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("The file was not stored: %1").arg(error),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        return false;
    }
    const auto row = gamerecords::loadGame(db, m_loadedId, &error);
    if (!row) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(error, Dialogs::Icon::Critical, QStringLiteral("Error"));
        return false;
    }
    if (m_mode.store == ChooserStore::GameDisk) {
        if (!column.isEmpty())
            ++m_diskCounter;
        if (offersOtherDisk(row->value(QStringLiteral("formato")).toString()) &&
            m_diskCounter != kMaxGameDisks) {
            m_ctx.dialogs.beep();
            if (m_ctx.dialogs.ask(QStringLiteral("Configure Other Disk?"), Dialogs::Icon::Question,
                                  QStringLiteral("Amiga File Game")))
                return false;
        }
    }
    if (MainPanel *panel = m_ctx.mainwindow) {
        switch (m_mode.store) {
        case ChooserStore::GameDisk:
            panel->setGameLamp(true);
            break;
        case ChooserStore::Song:
            panel->setMusicLamp(true);
            break;
        case ChooserStore::Screen1:
            panel->showScreenshot(1, row->value(QStringLiteral("screen1")).toString());
            break;
        case ChooserStore::Screen2:
            panel->showScreenshot(2, row->value(QStringLiteral("screen2")).toString());
            break;
        case ChooserStore::None:
            break;
        }
    }
    return true;
}

void sfoglia::closeLater()
{
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void sfoglia::closeEvent(QCloseEvent *event)
{
    // Closed without a result: the caller's pending pick is void, so that its box keeps
    // what it holds instead of taking an empty or stale path.
    if (!m_delivered && m_mode.opensInStartdir)
        m_ctx.pickflag = QStringLiteral("no");
    QWidget::closeEvent(event);
}

void sfoglia::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}
