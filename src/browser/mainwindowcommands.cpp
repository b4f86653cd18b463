// The main window's commands: its buttons, menu bar and pop-up menu items. Most of them
// leave a task in the shared variables and open another window by name.
#include "mainwindow.h"

#include "appcontext.h"
#include "database.h"
#include "dialogs.h"
#include "gamecommands.h"
#include "gamelistmodel.h"
#include "launcher.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QPushButton>

using namespace browser;

namespace
{

QString column(const QSqlRecord &record, const char *name)
{
    return record.value(QLatin1String(name)).toString();
}

} // namespace

void Form1::connectCommands()
{
    connect(NmButton8, &QPushButton::clicked, this, &Form1::NmButton8_Click);
    connect(NmButton7, &QPushButton::clicked, this, &Form1::NmButton7_Click);
    connect(NmButton1, &QPushButton::clicked, this, &Form1::NmButton1_Click);
    connect(NmButton2, &QPushButton::clicked, this, &Form1::NmButton2_Click);
    connect(NmButton3, &QPushButton::clicked, this, &Form1::NmButton3_Click);
    connect(NmButton5, &QPushButton::clicked, this, &Form1::NmButton5_Click);
    connect(List1, &QListView::doubleClicked, this, &Form1::List1_DblClick);

    const std::pair<QAction *, void (Form1::*)()> items[] = {
        {sys, &Form1::sys_Click},       {pro, &Form1::pro_Click},
        {cgp, &Form1::cgp_Click},       {agp, &Form1::agp_Click},
        {cmp, &Form1::cmp_Click},       {amp, &Form1::amp_Click},
        {imex, &Form1::imex_Click},     {newsItem, &Form1::new_Click},
        {abt, &Form1::abt_Click},       {gret, &Form1::gret_Click},
        {mdname, &Form1::mdname_Click}, {mdpub, &Form1::mdpub_Click},
        {mdteam, &Form1::mdteam_Click}, {mdgenre, &Form1::mdgenre_Click},
        {mdyear, &Form1::mdyear_Click}, {mdp, &Form1::mdp_Click},
        {mdd, &Form1::mdd_Click},       {md, &Form1::md_Click},
        {mdm, &Form1::mdm_Click},       {mdfg, &Form1::mdfg_Click},
        {mdfm, &Form1::mdfm_Click},     {mds1, &Form1::mds1_Click},
        {mds2, &Form1::mds2_Click}};
    for (const auto &[action, handler] : items)
        connect(action, &QAction::triggered, this, handler);
}

bool Form1::needsShownGame()
{
    // Read again: another window may have changed the game since it was shown.
    const int id = currentId();
    if (listCount() > 0 && id != 0 && showGame(id))
        return true;
    m_ctx.dialogs.beep();
    return false;
}

void Form1::preparaModifica()
{
    m_ctx.editmode = QStringLiteral("mod");
    m_ctx.selectedid = currentId();
    m_ctx.savedlistindex = listIndex();
    m_ctx.refreshflag = QStringLiteral("yes");
}

// Buttons

void Form1::NmButton8_Click()
{
    if (!needsShownGame())
        return;
    const QVariant emul1 = m_record.value(QStringLiteral("emul1"));
    if (catalogue::isEmptyValue(emul1)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("No file selected for this game"),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    switch (playTarget(column(m_record, "formato"))) {
    case PlayTarget::C64:
        m_ctx.gamefile = emul1.toString();
        m_ctx.windows.show(QStringLiteral("emu64"));
        break;
    case PlayTarget::Amiga:
        m_ctx.selectedid = currentId();
        m_ctx.windows.show(QStringLiteral("Form9"));
        break;
    case PlayTarget::None:
        break;
    }
}

void Form1::NmButton7_Click()
{
    if (!needsShownGame())
        return;
    if (catalogue::isEmptyValue(m_record.value(QStringLiteral("song")))) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("No song configured for this game"),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    m_ctx.selectedid = currentId();
    m_ctx.windows.show(QStringLiteral("Form7"));
}

void Form1::NmButton1_Click()
{
    if (!needsShownGame())
        return;
    // Without a selected entry the game in the panel is the one the user means.
    const int row = listIndex();
    m_ctx.selectedid = row >= 0 ? listId(row) : currentId();
    m_ctx.windows.show(QStringLiteral("Form2"));
}

void Form1::NmButton2_Click()
{
    m_ctx.editmode = QStringLiteral("new");
    m_ctx.refreshflag = QStringLiteral("yes");
    m_ctx.windows.show(QStringLiteral("Credits"));
}

void Form1::NmButton3_Click()
{
    if (!needsShownGame())
        return;
    preparaModifica();
    m_ctx.windows.show(QStringLiteral("Credits"));
}

void Form1::List1_DblClick()
{
    NmButton3_Click();
}

void Form1::NmButton5_Click()
{
    if (!needsShownGame())
        return;
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(QStringLiteral("Confim Delete ") + m_frameTitle + QStringLiteral("?"),
                           Dialogs::Icon::Information, QStringLiteral("Delete")))
        return;
    const int row = listIndex();
    if (row < 0) {
        m_ctx.dialogs.message(QStringLiteral("Deletion Error. Select Game."),
                              Dialogs::Icon::Information, QStringLiteral("Attention"));
        return;
    }
    // The question named the game in the panel, so that is the one deleted; normally it
    // is the selected entry.
    const int id = currentId();
    const int entry = listId(row) == id ? row : cercaindex(id);
    QString error;
    if (!deleteGame(m_ctx.db(), id, &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("The game could not be deleted: ") + error,
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    if (entry >= listCount()) {
        setListIndex(row); // the deleted game was not listed: show the selected one
        return;
    }
    m_ctx.savedlistindex = entry;
    m_model->removeEntry(entry);
    lbldisplay->setText(QString::number(listCount()));
    if (listCount() == 0) {
        clearGame();
        m_ctx.dialogs.beep();
        return;
    }
    // The last entry gives way to the one before it, any other to the one that moved up.
    setListIndex(entry < listCount() ? entry : entry - 1);
}

// Menu bar

void Form1::sys_Click()
{
    m_ctx.windows.show(QStringLiteral("Config"));
}

void Form1::pro_Click()
{
    m_ctx.windows.show(QStringLiteral("Form4"));
}

void Form1::prepareFreePlayer(const char *configColumn)
{
    m_ctx.startdir = column(configRecord(), configColumn);
    m_ctx.pickflag = QStringLiteral("yes");
}

void Form1::cgp_Click()
{
    prepareFreePlayer("game64");
    m_ctx.windows.show(QStringLiteral("Form5"));
}

void Form1::agp_Click()
{
    prepareFreePlayer("gameamiga");
    m_ctx.windows.show(QStringLiteral("amiplayer"));
}

void Form1::prepareMusicBrowser(const char *configColumn, const QString &kind)
{
    m_ctx.startdir = column(configRecord(), configColumn);
    m_ctx.playerkind = kind;
    m_ctx.windows.show(QStringLiteral("Form8"));
}

void Form1::cmp_Click()
{
    prepareMusicBrowser("music64", QStringLiteral("C64"));
}

void Form1::amp_Click()
{
    prepareMusicBrowser("musicamiga", QStringLiteral("Amiga"));
}

void Form1::imex_Click()
{
    QString error;
    if (!m_ctx.launcher.start(merrowCommand(m_ctx.paths.programDir, m_ctx.paths.catalogue),
                              &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("Merrow not found!"), Dialogs::Icon::Critical,
                              QStringLiteral("Error"));
    }
}

void Form1::new_Click()
{
    QString error;
    if (!m_ctx.launcher.openDocument(newsFile(m_ctx.paths.programDir), &error)) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("What's New file not found!"), Dialogs::Icon::Critical,
                              QStringLiteral("Error"));
    }
}

void Form1::abt_Click()
{
    m_ctx.windows.show(QStringLiteral("About"));
}

void Form1::gret_Click()
{
    m_ctx.windows.show(QStringLiteral("Form10"));
}

// Pop-up menus

void Form1::editField(const QString &code)
{
    if (!needsShownGame())
        return;
    preparaModifica();
    m_ctx.editfield = code;
    m_ctx.windows.show(QStringLiteral("Form6"));
}

void Form1::mdname_Click()
{
    editField(QStringLiteral("na"));
}
void Form1::mdpub_Click()
{
    editField(QStringLiteral("pu"));
}
void Form1::mdteam_Click()
{
    editField(QStringLiteral("te"));
}
void Form1::mdgenre_Click()
{
    editField(QStringLiteral("ge"));
}
void Form1::mdyear_Click()
{
    editField(QStringLiteral("ye"));
}
void Form1::mdp_Click()
{
    editField(QStringLiteral("pr"));
}
void Form1::mdd_Click()
{
    editField(QStringLiteral("de"));
}
void Form1::md_Click()
{
    editField(QStringLiteral("gr"));
}
void Form1::mdm_Click()
{
    editField(QStringLiteral("mu"));
}

void Form1::pickFile(const QString &mode, const char *c64Column, const char *amigaColumn)
{
    if (!needsShownGame())
        return;
    const bool c64 = usesC64Folders(column(m_record, "formato"));
    m_ctx.browsemode = mode;
    m_ctx.startdir = column(configRecord(), c64 ? c64Column : amigaColumn);
    // As the edit preparation, but the editor's mode stays as it was.
    m_ctx.selectedid = currentId();
    m_ctx.savedlistindex = listIndex();
    m_ctx.refreshflag = QStringLiteral("yes");
    m_ctx.pickflag = QStringLiteral("yes");
    m_ctx.windows.show(QStringLiteral("sfoglia"));
}

void Form1::mdfg_Click()
{
    pickFile(QStringLiteral("mdfg"), "game64", "gameamiga");
}
void Form1::mdfm_Click()
{
    pickFile(QStringLiteral("mdfm"), "music64", "musicamiga");
}
void Form1::mds1_Click()
{
    pickFile(QStringLiteral("mds1"), "screen64", "screenamiga");
}
void Form1::mds2_Click()
{
    pickFile(QStringLiteral("mds2"), "screen64", "screenamiga");
}
