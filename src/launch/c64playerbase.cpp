#include "c64playerbase.h"

#include "appcontext.h"
#include "archiveimages.h"
#include "archivelisting.h"
#include "c64commandline.h"
#include "c64start.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "game.h"
#include "imagereader.h"
#include "logging.h"
#include "opentest.h"
#include "playcountinglauncher.h"
#include "windowregistry.h"

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

C64PlayerBase::C64PlayerBase(AppContext &ctx, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_directoryList(new QListWidget(this)),
      m_diskNameEdit(new QLineEdit(this)), m_diskIdEdit(new QLineEdit(this)),
      m_imageFileLabel(new QLabel(this)), m_blocksFreeLabel(new QLabel(this)),
      // Without it a player with no emulator shows an empty frame and nothing says why.
      m_noEmulatorLabel(new QLabel(tr("No C64 emulator is set: set one in Configuration > "
                                      "System (Detect finds VICE)"),
                                   this)),
      m_imageChoice(new QComboBox(this))
{
    // The padding blanks line the sizes up only in a fixed-pitch font.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_directoryList->setObjectName(QStringLiteral("directoryList"));
    m_directoryList->setFont(fixed);
    // A listing line, its tabs spread, fits beside the scroll bar; a screenful of entries shows.
    const QFontMetrics columns(fixed);
    m_directoryList->setMinimumSize(columns.horizontalAdvance(QString(44, QLatin1Char('0'))),
                                    columns.lineSpacing() * 12);
    m_directoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_diskNameEdit->setObjectName(QStringLiteral("diskNameEdit"));
    m_diskNameEdit->setReadOnly(true);
    m_diskNameEdit->setToolTip(tr("Disk or tape name"));
    m_diskNameEdit->setFont(fixed);
    m_diskIdEdit->setObjectName(QStringLiteral("diskIdEdit"));
    m_diskIdEdit->setReadOnly(true);
    m_diskIdEdit->setToolTip(tr("Disk ID"));
    m_diskIdEdit->setFont(fixed);
    m_imageFileLabel->setObjectName(QStringLiteral("imageFileLabel"));
    m_imageFileLabel->setTextFormat(Qt::PlainText);
    m_imageFileLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_blocksFreeLabel->setObjectName(QStringLiteral("blocksFreeLabel"));
    m_blocksFreeLabel->setTextFormat(Qt::PlainText);
    m_noEmulatorLabel->setObjectName(QStringLiteral("noEmulatorLabel"));
    m_noEmulatorLabel->setWordWrap(true);
    m_noEmulatorLabel->hide();
    m_imageChoice->setObjectName(QStringLiteral("imageChoice"));
    m_imageChoice->setToolTip(tr("Image in the archive"));
    m_imageChoice->hide();
    connect(m_imageChoice, &QComboBox::currentIndexChanged, this, &C64PlayerBase::showArchiveImage);

    for (const C64Emulator e : kC64Emulators) {
        const QString caption = c64EmulatorInfo(e).caption;
        auto *button = new QPushButton(caption, this);
        button->setObjectName(caption.toLower() + QStringLiteral("Button")); // "viceButton"
        connect(button, &QPushButton::clicked, this, [this, e] { startEmulator(e); });
        m_emulatorButtons[static_cast<int>(e)] = button;
    }
    // A double click or Enter on an entry: its emulator is the one "--play" would pick.
    connect(m_directoryList, &QListWidget::itemActivated, this, &C64PlayerBase::startEntry);
    connect(&ctx.windows.events(), &WindowEvents::configurationSaved, this,
            &C64PlayerBase::loadConfiguration);
}

void C64PlayerBase::loadConfiguration()
{
    m_config = {};
    if (checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue)) {
        const Result<Configuration> read = CatalogueStore(m_ctx.db()).configuration();
        if (read)
            m_config = *read;
        else
            reportReadFailure(m_ctx.dialogs, read.error());
    }
    showConfiguredEmulators();
}

void C64PlayerBase::showConfiguredEmulators()
{
    for (const C64Emulator e : kC64Emulators)
        m_emulatorButtons[static_cast<int>(e)]->setHidden(
            !Game::isSet(m_config.value(c64EmulatorInfo(e).path)));
    m_noEmulatorLabel->setVisible(!firstConfiguredEmulator());
}

// The first configured emulator in the order of the buttons.
std::optional<C64Emulator> C64PlayerBase::firstConfiguredEmulator() const
{
    for (const C64Emulator e : kC64Emulators)
        if (Game::isSet(m_config.value(c64EmulatorInfo(e).path)))
            return e;
    return std::nullopt;
}

QVBoxLayout *C64PlayerBase::imageLayout()
{
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(m_diskNameEdit, 3);
    nameRow->addWidget(m_diskIdEdit, 1);
    auto *image = new QVBoxLayout;
    image->addWidget(m_imageFileLabel);
    image->addWidget(m_imageChoice);
    image->addLayout(nameRow);
    image->addWidget(m_directoryList, 1);
    image->addWidget(m_blocksFreeLabel);
    return image;
}

void C64PlayerBase::showPlayFile(const QString &path, GameId game)
{
    m_playFile = path;
    m_playedGame = game;
    m_archiveEntry = -1;
    m_showsStartImage = false;
    {
        const QSignalBlocker blocker(m_imageChoice);
        m_imageChoice->clear();
    }
    m_imageChoice->hide();
    if (isArchiveFile(unquotePath(path))) {
        showArchive(unquotePath(path));
        return;
    }
    if (c64ImageKind(path) != C64ImageKind::None) {
        const Result<ImageListing> listing = readC64Image(path);
        if (listing) {
            m_showsStartImage = true;
            showListing(*listing);
            return;
        }
        // A file that cannot be read shows as a directory that cannot be trusted.
        qCWarning(lcLaunch) << "cannot read" << listing.error();
        ImageListing unreadable;
        unreadable.path = unquotePath(path);
        unreadable.corrupted = true;
        showListing(unreadable);
        return;
    }
    clearListing(path);
}

void C64PlayerBase::clearListing(const QString &path)
{
    m_directoryList->clear();
    m_diskNameEdit->clear();
    m_diskIdEdit->clear();
    m_blocksFreeLabel->clear();
    m_imageFileLabel->setText(path);
}

// Damaged and hostile archives are named and refused; nothing of them is shown.
void C64PlayerBase::showArchive(const QString &path)
{
    clearListing(path);
    const Result<QList<ArchiveImage>> images = archiveImages(path);
    if (!images) {
        reportFailure(images.error());
        return;
    }
    QList<ArchiveImage> c64Images;
    for (const ArchiveImage &image : *images)
        if (isC64Image(image.kind))
            c64Images << image;
    if (c64Images.isEmpty()) {
        reportFailure(tr("%1 holds no C64 image.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    // The set's program row belongs to its own image; the first stands in when none is named.
    m_startChoice = m_start.image.isEmpty() ? 0 : int(findArchiveImage(c64Images, m_start.image));
    {
        const QSignalBlocker blocker(m_imageChoice);
        for (const ArchiveImage &image : c64Images)
            m_imageChoice->addItem(image.name, image.index);
        m_imageChoice->setCurrentIndex(std::max(m_startChoice, 0));
    }
    m_imageChoice->setVisible(m_imageChoice->count() > 1);
    showArchiveImage(m_imageChoice->currentIndex());
}

void C64PlayerBase::showArchiveImage(int choice)
{
    m_archiveEntry = m_imageChoice->itemData(choice).toInt();
    m_showsStartImage = choice == m_startChoice;
    const Result<ImageListing> listing =
        readArchiveListing(unquotePath(m_playFile), m_archiveEntry);
    if (listing)
        showListing(*listing);
    else
        reportFailure(listing.error());
}

void C64PlayerBase::showListing(const ImageListing &listing)
{
    m_directoryList->clear();
    setListingEnabled(true);
    m_imageFileLabel->setText(listing.path);
    m_diskNameEdit->setText(listing.name);
    m_diskIdEdit->setText(listing.id);
    m_blocksFreeLabel->setText(listing.freeText);
    m_directoryList->addItems(listing.lines);
    if (!listing.corrupted) {
        preselectStartProgram();
        return;
    }
    m_ctx.dialogs.message(tr("Directory appears to be corrupted.") + QStringLiteral("\r\n") +
                              tr("It is recommended to NOT use this program with this file."),
                          Dialogs::Icon::Information, tr("Corrupted Directory?"));
    setListingEnabled(false);
}

void C64PlayerBase::preselectStartProgram()
{
    if (m_showsStartImage && m_start.program >= 0 && m_start.program < m_directoryList->count())
        m_directoryList->setCurrentRow(m_start.program);
}

void C64PlayerBase::setListingEnabled(bool enabled)
{
    m_directoryList->setEnabled(enabled);
    m_diskIdEdit->setEnabled(enabled);
    m_diskNameEdit->setEnabled(enabled);
}

void C64PlayerBase::reportFailure(const QString &text)
{
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(text, Dialogs::Icon::Critical, tr("Error"));
}

void C64PlayerBase::startEntry(QListWidgetItem *item)
{
    const std::optional<C64Emulator> emulator = firstConfiguredEmulator();
    if (!emulator) {
        reportFailure(m_noEmulatorLabel->text());
        return;
    }
    // Enter acts on the current row, which the focus alone does not highlight.
    m_directoryList->setCurrentItem(item);
    startEmulator(*emulator);
}

void C64PlayerBase::startEmulator(C64Emulator emulator)
{
    // The focus alone makes a row current without selecting it; only a highlighted
    // entry counts as chosen.
    const QListWidgetItem *item = m_directoryList->currentItem();
    const bool chosen = item && item->isSelected();
    const Result<Command> command = prepareC64Start(
        {emulator, m_config.value(c64EmulatorInfo(emulator).path), m_playFile,
         chosen ? m_directoryList->currentRow() : -1, chosen ? item->text() : QString(),
         m_archiveEntry, m_moreDisks, m_ctx.paths.tempDir});
    if (!command) {
        reportFailure(command.error());
        return;
    }
    if (const Outcome started =
            PlayCountingLauncher(m_ctx.launcher, m_ctx.db(), m_playedGame).start(*command);
        !started) {
        qCWarning(lcLaunch) << "cannot start" << command->program << started.error();
        reportFailure(c64BadConfigurationText(emulator));
    }
}
