#include "amigafreeplayer.h"

#include "appcontext.h"
#include "browselists.h"
#include "browsingpane.h"
#include "placement.h"
#include "windowregistry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AmigaFreePlayer::AmigaFreePlayer(AppContext &ctx, QWidget *parent)
    : AmigaPlayerBase(ctx, parent),
      m_browser(new BrowsingPane(ctx.dialogs, BrowsingPane::Files::Shown, this)),
      m_discardButton(new QPushButton(tr("Discard Disk"), this)),
      m_associateButton(new QPushButton(tr("Associate"), this))
{
    setObjectName(QStringLiteral("amigaFreePlayer"));
    setWindowTitle(tr("Amiga Game Player"));
    closeOnEscape(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    const QFontMetrics text = fontMetrics();
    m_browser->folderList()->setMinimumSize(text.averageCharWidth() * 28, text.lineSpacing() * 7);
    m_browser->fileList()->setMinimumHeight(text.lineSpacing() * 7);
    m_discardButton->setObjectName(QStringLiteral("discardButton"));
    m_associateButton->setObjectName(QStringLiteral("associateButton"));
    auto *hint = new QLabel(
        tr("Double Click on file list to load in drive, then select emulators and configuration"),
        this);
    hint->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(playButton());
    buttons->addWidget(m_discardButton);
    buttons->addWidget(m_associateButton);
    auto *player = new QVBoxLayout;
    player->addWidget(hint);
    player->addLayout(buildDriveRows());
    player->addLayout(emulatorOptionsLayout());
    player->addWidget(templateList(), 1);
    player->addStretch();
    player->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(player, 1);

    connect(m_browser, &BrowsingPane::fileActivated, this, &AmigaFreePlayer::insertDisk);
    connect(m_discardButton, &QPushButton::clicked, this, &AmigaFreePlayer::discardDisks);
    connect(m_associateButton, &QPushButton::clicked, this, &AmigaFreePlayer::openAssociation);
    adjustSize();
    centreOnScreen(this);
    loadEmulators();
}

QLayout *AmigaFreePlayer::buildDriveRows()
{
    auto *rows = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(QStringLiteral("DF%1").arg(i), this);
        m_driveEdits[i] = new QLineEdit(this);
        m_driveEdits[i]->setObjectName(QStringLiteral("df%1Edit").arg(i));
        // A disk's whole path, as a rule.
        m_driveEdits[i]->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
        label->setBuddy(m_driveEdits[i]);
        rows->addWidget(label, i, 0);
        rows->addWidget(m_driveEdits[i], i, 1);
    }
    return rows;
}

bool AmigaFreePlayer::takeRequest(const AmigaFreePlayerRequest &request)
{
    m_browser->openAt(request.startFolder);
    return true;
}

// A disk goes into the first empty drive; with all four full it is not loaded.
void AmigaFreePlayer::insertDisk(const QString &path)
{
    if (path.isEmpty())
        return;
    for (QLineEdit *drive : m_driveEdits)
        if (drive->text().isEmpty()) {
            drive->setText(path);
            return;
        }
}

void AmigaFreePlayer::discardDisks()
{
    for (QLineEdit *drive : m_driveEdits)
        drive->clear();
}

QStringList AmigaFreePlayer::diskFiles() const
{
    QStringList files;
    for (const QLineEdit *drive : m_driveEdits)
        files << drive->text();
    return files;
}

void AmigaFreePlayer::openAssociation()
{
    context().windows.open(AssociationRequest{AssociationKind::AmigaGame, diskFiles()});
}

void AmigaFreePlayer::play(AmigaEmulator emulator)
{
    const QStringList files = diskFiles();
    writeAndStart(emulator, {files[0], files[1], files[2], files[3]}, 0);
}
