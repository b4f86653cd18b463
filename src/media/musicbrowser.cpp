#include "musicbrowser.h"

#include "appcontext.h"
#include "browselists.h"
#include "dialogs.h"
#include "musiccommand.h"
#include "opentest.h"
#include "placement.h"
#include "playerbutton.h"
#include "shortpath.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace
{

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

// Music file names are long ("Artist - Title (Version).sid"): the list widens to its longest
// name, within reason, instead of hiding the names behind a horizontal scrollbar.
void fitToNames(QListWidget *list)
{
    const int names = list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                      list->verticalScrollBar()->sizeHint().width() + 4;
    list->setMinimumWidth(qBound(twipsToPixels(2400), names, twipsToPixels(6600)));
}

} // namespace

Form8::Form8(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Music Player"));

    m_drive1 = new DriveListBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_dir1 = new DirListBox(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_file1 = new FileListBox(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_command1 = addButton(this, "Command1", QStringLiteral("Command1"));
    m_command2 = addButton(this, "Command2", QStringLiteral("Command2"));
    auto *command4 = addButton(this, "Command4", QStringLiteral("Associate"));
    auto *command3 = addButton(this, "Command3", QStringLiteral("Exit"));
    m_label1 = new QLabel(QStringLiteral("NO MUSIC PLAYERS CONFIGURED"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));

    auto *outer = new QVBoxLayout(this);
    auto *lists = new QGridLayout;
    lists->addWidget(m_drive1, 0, 0);
    lists->addWidget(m_dir1, 1, 0);
    lists->addWidget(m_file1, 0, 1, 2, 1);
    lists->setRowStretch(1, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 2); // the file names take the spare width
    outer->addLayout(lists, 1);
    outer->addWidget(m_text1);
    auto *players = new QHBoxLayout;
    players->addWidget(m_command1);
    players->addWidget(m_command2);
    players->addWidget(m_label1);
    players->addStretch();
    players->addWidget(command4);
    players->addWidget(command3);
    outer->addLayout(players);
    resize(twipsToPixels(7200), twipsToPixels(5400));

    connect(m_drive1, &DriveListBox::changed, this, &Form8::Drive1_Change);
    connect(m_dir1, &DirListBox::changed, this, &Form8::Dir1_Change);
    reportUnreadable(m_ctx.dialogs, m_drive1, m_dir1);
    connect(m_file1, &FileListBox::clicked, this, &Form8::File1_Click);
    connect(m_command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &Form8::Command3_Click);
    connect(command4, &QPushButton::clicked, this, &Form8::Command4_Click);

    Form_Load();
}

void Form8::Form_Load()
{
    m_ctx.currentform = this;
    centreOnScreen(this);
    const QString start = m_ctx.startdir;
    const bool positioned = !start.isEmpty() && m_drive1->setDrive(start) && m_dir1->setPath(start);
    if (!positioned) {
        // A music directory that cannot be opened falls back to the root, silently.
        m_drive1->setDrive(QDir::rootPath());
        m_dir1->setPath(m_drive1->drive());
    }
    m_ctx.browsepath.clear();

    m_player1.clear();
    m_player2.clear();
    if (checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue)) {
        QString error;
        const music::SoundPlayers players = music::loadPlayers(m_ctx.db(), &error);
        if (!error.isEmpty())
            reportReadFailure(m_ctx.dialogs, error);
        m_player1 = players.player1;
        m_player2 = players.player2;
    }
    capbut(1);
    capbut(2);
    m_label1->setVisible(m_player1.isEmpty() && m_player2.isEmpty());
}

void Form8::capbut(int button)
{
    showPlayerButton(button == 1 ? m_command1 : m_command2, button == 1 ? m_player1 : m_player2);
}

void Form8::Drive1_Change(const QString &drive)
{
    if (!m_dir1->setPath(drive))
        reportUnreadable(m_ctx.dialogs, drive);
}

void Form8::Dir1_Change(const QString &path)
{
    m_ctx.browsepath = path;
    m_file1->setPath(path);
    fitToNames(m_file1);
}

void Form8::File1_Click()
{
    m_text1->setText(shortPath(m_file1->selectedFilePath()));
}

void Form8::Command1_Click()
{
    play(m_player1);
}

void Form8::Command2_Click()
{
    play(m_player2);
}

void Form8::play(const QString &player)
{
    if (player.isEmpty())
        return;
    const QString file = m_file1->selectedFilePath();
    if (file.isEmpty()) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("Select a music file first."),
                              Dialogs::Icon::Information, QStringLiteral("Attention"));
        return;
    }
    QString error;
    if (!m_ctx.launcher.start(music::playCommand(player, file), &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(
            QStringLiteral("The sound player could not be started:\n%1\n%2").arg(player, error),
            Dialogs::Icon::Critical, QStringLiteral("Error"));
    }
}

void Form8::Command3_Click()
{
    close();
}

void Form8::Command4_Click()
{
    if (m_ctx.playerkind == QLatin1String("Amiga"))
        m_ctx.assocmode = QStringLiteral("AmigaM");
    else if (m_ctx.playerkind == QLatin1String("C64"))
        m_ctx.assocmode = QStringLiteral("C64M");
    else if (m_ctx.assocmode != QLatin1String("C64M") && m_ctx.assocmode != QLatin1String("AmigaM"))
        // A mode left by a game player would have the editor write that player's disks
        // when the user meant this song; without a music mode the editor writes nothing.
        m_ctx.assocmode.clear();
    m_ctx.windows.show(QStringLiteral("Form3"));
}
