#include "c64freeplayer.h"

#include "appcontext.h"
#include "browselists.h"
#include "dialogs.h"
#include "placement.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Form5::Form5(AppContext &ctx, QWidget *parent)
    : C64PlayerWindow(ctx, parent), Drive1(new DriveListBox(this)), Dir1(new DirListBox(this)),
      File1(new FileListBox(this)), Text1(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("C64 Game Player"));
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1->setObjectName(QStringLiteral("File1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);

    auto *associate = new QPushButton(QStringLiteral("Associate"), this);
    associate->setObjectName(QStringLiteral("NmButton5"));

    auto *browse = new QVBoxLayout;
    browse->addWidget(Drive1);
    browse->addWidget(Dir1, 1);
    browse->addWidget(File1, 2);

    QVBoxLayout *image = imageLayout();

    // Hidden buttons take no room: the configured ones close up from the left.
    auto *emulators = new QHBoxLayout;
    for (QPushButton *b : m_emulatorButtons)
        emulators->addWidget(b);
    emulators->addStretch(1);

    auto *grid = new QGridLayout(this);
    grid->addLayout(browse, 0, 0);
    grid->addLayout(image, 0, 1);
    grid->addWidget(Text1, 1, 0, 1, 2);
    grid->addWidget(associate, 2, 0, Qt::AlignLeft);
    grid->addLayout(emulators, 2, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    resize(720, 480);

    connect(Drive1, &DriveListBox::changed, this, &Form5::Drive1_Change);
    connect(Dir1, &DirListBox::changed, this, &Form5::Dir1_Change);
    connect(File1, &FileListBox::clicked, this, &Form5::File1_Click);
    connect(associate, &QPushButton::clicked, this, &Form5::NmButton5_Click);
    reportUnreadable(m_ctx.dialogs, Drive1, Dir1);

    Form_Load();
}

void Form5::Form_Load()
{
    centreOnScreen(this);
    m_ctx.c64window = this;
    loadConfiguration();
    caricaform64();

    bool opened = false;
    {
        // The program sets the lists here; their change handlers would overwrite
        // browsepath, which only the outcome below decides.
        const QSignalBlocker driveBlocker(Drive1);
        const QSignalBlocker dirBlocker(Dir1);
        const QString start = m_ctx.startdir;
        opened = !start.isEmpty() && Drive1->setDrive(start) && Dir1->setPath(start);
        if (!opened) {
            Drive1->setDrive(QDir::rootPath());
            Dir1->setPath(Drive1->drive());
        }
    }
    File1->setPath(Dir1->path());
    if (opened)
        m_ctx.browsepath = QString();
}

void Form5::Drive1_Change()
{
    if (!Dir1->setPath(Drive1->drive()))
        Drive1->setDrive(Dir1->path());
}

void Form5::Dir1_Change()
{
    File1->setPath(Dir1->path());
    m_ctx.browsepath = Dir1->path();
}

void Form5::File1_Click()
{
    const QString name = File1->fileName();
    if (name.isEmpty())
        return;
    m_ctx.browsepath = joinPath(Dir1->path(), name);
    m_ctx.gamefile = m_ctx.browsepath;
    m_gamefile = m_ctx.gamefile;
    Text1->setText(m_gamefile);
    showGameFile(m_gamefile);
}

void Form5::NmButton5_Click()
{
    m_ctx.assocmode = QStringLiteral("C64");
    m_ctx.windows.show(QStringLiteral("Form3"));
}

QString Form5::buttonGameFile() const
{
    return m_gamefile;
}
