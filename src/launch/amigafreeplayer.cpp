#include "amigafreeplayer.h"

#include "amigaplaysteps.h"
#include "appcontext.h"
#include "browselists.h"
#include "database.h"
#include "dialogs.h"
#include "opentest.h"
#include "placement.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

amiplayer::amiplayer(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("amiplayer"));
    setWindowTitle(QStringLiteral("Amiga Game Player"));
    buildControls();

    adjustSize();
    centreOnScreen(this);
    if (checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue)) {
        QString error;
        m_emulators = readAmigaEmulators(m_ctx.db(), &error);
        if (!error.isEmpty())
            reportReadFailure(m_ctx.dialogs, error);
    }
    openStartFolder();
    m_file2->hide();
    caricaformami();
}

void amiplayer::buildControls()
{
    m_drive1 = new DriveListBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_dir1 = new DirListBox(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_file1 = new FileListBox(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_label5 = new QLabel(QStringLiteral("Double Click on file list to load in drive, then "
                                         "select emulators and configuration"),
                          this);
    m_label5->setObjectName(QStringLiteral("Label5"));
    m_label5->setWordWrap(true);

    // Labels keep their designer names: DF0 is Label1, DF1 Label4, DF2 Label3, DF3 Label2.
    static const char *const labelNames[] = {"Label1", "Label4", "Label3", "Label2"};
    auto *drives = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(QStringLiteral("DF%1").arg(i), this);
        label->setObjectName(QLatin1String(labelNames[i]));
        m_drives[i] = new QLineEdit(this);
        m_drives[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        m_drives[i]->setMinimumWidth(twipsToPixels(4200));
        label->setBuddy(m_drives[i]);
        drives->addWidget(label, i, 0);
        drives->addWidget(m_drives[i], i, 1);
    }

    m_option1 = new QRadioButton(QStringLiteral("WinUAE"), this);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("WinFellow"), this);
    m_option2->setObjectName(QStringLiteral("Option2"));
    m_file2 = new FileListBox(this);
    m_file2->setObjectName(QStringLiteral("File2"));
    m_command1 = new QPushButton(QStringLiteral("PLAY"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command2 = new QPushButton(QStringLiteral("Discard Disk"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command3 = new QPushButton(QStringLiteral("Associate"), this);
    m_command3->setObjectName(QStringLiteral("Command3"));

    auto *browse = new QVBoxLayout;
    browse->addWidget(m_drive1);
    browse->addWidget(m_dir1, 1);
    browse->addWidget(m_file1, 1);
    m_dir1->setMinimumSize(twipsToPixels(3000), twipsToPixels(1800));
    m_file1->setMinimumHeight(twipsToPixels(1800));

    auto *options = new QHBoxLayout;
    options->addWidget(m_option1);
    options->addWidget(m_option2);
    options->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    buttons->addWidget(m_command3);
    auto *player = new QVBoxLayout;
    player->addWidget(m_label5);
    player->addLayout(drives);
    player->addLayout(options);
    player->addWidget(m_file2, 1);
    player->addStretch();
    player->addLayout(buttons);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(browse, 1);
    layout->addLayout(player, 1);

    connect(m_drive1, &DriveListBox::changed, this, &amiplayer::Drive1_Change);
    connect(m_dir1, &DirListBox::changed, this, &amiplayer::Dir1_Change);
    reportUnreadable(m_ctx.dialogs, m_drive1, m_dir1);
    connect(m_file1, &FileListBox::doubleClicked, this, &amiplayer::File1_DblClick);
    connect(m_option1, &QRadioButton::clicked, this, &amiplayer::Option1_Click);
    connect(m_option2, &QRadioButton::clicked, this, &amiplayer::Option2_Click);
    connect(m_command1, &QPushButton::clicked, this, &amiplayer::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &amiplayer::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &amiplayer::Command3_Click);
}

// The start folder is the one the main window put into startdir; without it, or when it
// cannot be read, the root of the system drive.
void amiplayer::openStartFolder()
{
    const QString start = m_ctx.startdir;
    if (!start.isEmpty() && m_drive1->setDrive(start) && m_dir1->setPath(start)) {
        m_ctx.browsepath.clear();
        return;
    }
    m_drive1->setDrive(QDir::rootPath());
    m_dir1->setPath(m_drive1->drive());
}

void amiplayer::caricaformami()
{
    m_option2->setEnabled(!catalogue::isEmptyValue(m_emulators.fellow));
    m_option1->setEnabled(!catalogue::isEmptyValue(m_emulators.uae));
}

void amiplayer::Drive1_Change()
{
    if (!m_dir1->setPath(m_drive1->drive()))
        reportUnreadable(m_ctx.dialogs, m_drive1->drive());
}

void amiplayer::Dir1_Change()
{
    m_file1->setPath(m_dir1->path());
    m_ctx.browsepath = m_dir1->path();
}

void amiplayer::File1_DblClick()
{
    const QString name = m_file1->fileName();
    if (name.isEmpty())
        return;
    for (QLineEdit *drive : m_drives)
        if (drive->text().isEmpty()) {
            drive->setText(joinPath(m_dir1->path(), name));
            return;
        }
}

void amiplayer::Command2_Click()
{
    for (QLineEdit *drive : m_drives)
        drive->clear();
}

void amiplayer::Command3_Click()
{
    m_ctx.assocmode = QStringLiteral("Amiga");
    m_ctx.windows.show(QStringLiteral("Form3"));
}

void amiplayer::Option1_Click()
{
    chooseEmulator(AmigaEmulator::WinUAE);
}

void amiplayer::Option2_Click()
{
    chooseEmulator(AmigaEmulator::WinFellow);
}

void amiplayer::chooseEmulator(AmigaEmulator emulator)
{
    amigasteps::chooseEmulator(m_ctx, emulator,
                               emulator == AmigaEmulator::WinUAE ? m_option1 : m_option2,
                               m_emulators.executable(emulator), m_file2);
}

void amiplayer::Command1_Click()
{
    if (m_option1->isChecked())
        uaeconfig();
    else if (m_option2->isChecked())
        fellowconfig();
}

bool amiplayer::uaeconfig()
{
    return play(AmigaEmulator::WinUAE);
}

bool amiplayer::fellowconfig()
{
    return play(AmigaEmulator::WinFellow);
}

bool amiplayer::play(AmigaEmulator emulator)
{
    AmigaDrives drives;
    for (std::size_t i = 0; i < drives.size(); ++i)
        drives[i] = m_drives[i]->text();
    return amigasteps::writeAndStart(m_ctx, emulator, m_emulators.executable(emulator), m_file2,
                                     drives);
}
