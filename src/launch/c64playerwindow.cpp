#include "c64playerwindow.h"

#include "appcontext.h"
#include "database.h"
#include "dialogs.h"
#include "imagereader.h"
#include "opentest.h"
#include "shortpath.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

C64PlayerWindow::C64PlayerWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), List1(new QListWidget(this)), txtDiskName(new QLineEdit(this)),
      txtDiskID(new QLineEdit(this)), lblD64File(new QLabel(this)), lblBlocksFree(new QLabel(this))
{
    List1->setObjectName(QStringLiteral("List1"));
    // The padding blanks line the sizes up only in a fixed-pitch font.
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    txtDiskName->setObjectName(QStringLiteral("txtDiskName"));
    txtDiskName->setReadOnly(true);
    txtDiskName->setToolTip(tr("Disk or tape name"));
    txtDiskID->setObjectName(QStringLiteral("txtDiskID"));
    txtDiskID->setReadOnly(true);
    txtDiskID->setToolTip(tr("Disk ID"));
    txtDiskID->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtDiskName->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lblD64File->setObjectName(QStringLiteral("lblD64File"));
    lblD64File->setTextFormat(Qt::PlainText);
    lblD64File->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblBlocksFree->setObjectName(QStringLiteral("lblBlocksFree"));
    lblBlocksFree->setTextFormat(Qt::PlainText);

    for (const C64Emulator e : kC64Emulators) {
        const C64EmulatorInfo &info = c64EmulatorInfo(e);
        auto *button = new QPushButton(info.caption, this);
        button->setObjectName(info.button);
        m_emulatorButtons[static_cast<int>(e)] = button;
    }
    connect(m_emulatorButtons[0], &QPushButton::clicked, this, &C64PlayerWindow::NmButton1_Click);
    connect(m_emulatorButtons[1], &QPushButton::clicked, this, &C64PlayerWindow::NmButton2_Click);
    connect(m_emulatorButtons[2], &QPushButton::clicked, this, &C64PlayerWindow::NmButton3_Click);
    connect(m_emulatorButtons[3], &QPushButton::clicked, this, &C64PlayerWindow::NmButton4_Click);
}

QString C64PlayerWindow::nomecortox(const QString &path)
{
    return shortPath(unquotePath(path));
}

void C64PlayerWindow::loadConfiguration()
{
    m_config = QSqlRecord();
    if (!checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue))
        return;
    QString error;
    if (const auto record = catalogue::configRecord(m_ctx.db(), {}, &error))
        m_config = *record;
    else if (!error.isEmpty())
        reportReadFailure(m_ctx.dialogs, error);
}

QVBoxLayout *C64PlayerWindow::imageLayout()
{
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(txtDiskName, 3);
    nameRow->addWidget(txtDiskID, 1);
    auto *image = new QVBoxLayout;
    image->addWidget(lblD64File);
    image->addLayout(nameRow);
    image->addWidget(List1, 1);
    image->addWidget(lblBlocksFree);
    return image;
}

void C64PlayerWindow::caricaform64()
{
    for (const C64Emulator e : kC64Emulators) {
        const QVariant path = m_config.value(c64EmulatorInfo(e).field);
        m_emulatorButtons[static_cast<int>(e)]->setHidden(catalogue::isEmptyValue(path));
    }
}

void C64PlayerWindow::showGameFile(const QString &path)
{
    if (c64ImageKind(path) != C64ImageKind::None) {
        showListing(readC64Image(path));
        return;
    }
    List1->clear();
    txtDiskName->clear();
    txtDiskID->clear();
    lblBlocksFree->clear();
    lblD64File->setText(path);
}

void C64PlayerWindow::showListing(const ImageListing &listing)
{
    List1->clear();
    List1->setEnabled(true);
    txtDiskID->setEnabled(true);
    txtDiskName->setEnabled(true);
    lblD64File->setText(listing.path);
    txtDiskName->setText(listing.name);
    txtDiskID->setText(listing.id);
    lblBlocksFree->setText(listing.freeText);
    List1->addItems(listing.lines);
    if (!listing.corrupted)
        return;
    m_ctx.dialogs.message(QLatin1String(kCorruptedText) + QStringLiteral("\r\n") +
                              QLatin1String(kCorruptedAdvice),
                          Dialogs::Icon::Information, QStringLiteral("Corrupted Directory?"));
    List1->setEnabled(false);
    txtDiskID->setEnabled(false);
    txtDiskName->setEnabled(false);
}

void C64PlayerWindow::failure(const QString &text)
{
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(text, Dialogs::Icon::Critical, QStringLiteral("Error"));
}

void C64PlayerWindow::startEmulator(C64Emulator emulator)
{
    const C64EmulatorInfo &info = c64EmulatorInfo(emulator);
    // The focus alone makes a row current without selecting it; only a highlighted
    // entry counts as chosen.
    const QListWidgetItem *item = List1->currentItem();
    const bool chosen = item && item->isSelected();
    const C64CommandResult result = buildC64Command(
        emulator, m_config.value(info.field).toString(), nomecortox(buttonGameFile()),
        chosen ? List1->currentRow() : -1, chosen ? item->text() : QString());
    if (result.status == C64CommandResult::Status::Unsupported) {
        failure(QLatin1String(kUnsupportedFileText));
        return;
    }
    QString error;
    if (!result.ok() || !m_ctx.launcher.start(result.command, &error))
        failure(info.failureText);
}
