#include "recordeditor.h"

#include "appcontext.h"
#include "dialogs.h"
#include "gamerecords.h"
#include "opentest.h"
#include "placement.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using editorrules::PickButton;

namespace
{

QPushButton *pickButton(QWidget *parent, const QString &name)
{
    auto *b = new QPushButton(QStringLiteral("..."), parent);
    b->setObjectName(name);
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    return b;
}

} // namespace

Credits::Credits(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Credits"));
    buildControls();
    Form_Load();
}

QLineEdit *Credits::addBox(const QString &name)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    m_boxes.insert(name.toLower(), box);
    return box;
}

void Credits::buildControls()
{
    auto *grid = new QGridLayout;
    int row = 0;
    auto label = [this](const QString &text) { return new QLabel(text, this); };

    QLineEdit *title = addBox(QStringLiteral("titolo"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    title->setFont(big);
    grid->addWidget(title, row++, 0, 1, 5);

    const struct {
        const char *text;
        const char *name;
    } plain[] = {{"Publisher", "SH"}, {"Genre", "tipo"}, {"Team", "team"}, {"Year", "year"}};
    for (const auto &p : plain) {
        grid->addWidget(label(QString::fromLatin1(p.text)), row, 0);
        grid->addWidget(addBox(QString::fromLatin1(p.name)), row++, 1, 1, 4);
    }

    m_formato = new QComboBox(this);
    m_formato->setObjectName(QStringLiteral("formato"));
    m_formato->setEditable(true);
    m_formato->setInsertPolicy(QComboBox::NoInsert);
    m_dfx = new QPushButton(QStringLiteral("DFx"), this);
    m_dfx->setObjectName(QStringLiteral("DFx"));
    grid->addWidget(label(QStringLiteral("Machine")), row, 0);
    grid->addWidget(m_formato, row, 1);
    grid->addWidget(m_dfx, row++, 2, Qt::AlignLeft);

    const struct {
        const char *text;
        const char *main;
        const char *add;
    } creditRows[] = {{"Design / Concept", "design", "adddesign"},
                      {"Programming", "programming", "addprogramming"},
                      {"Graphics", "graphics", "addgraphics"},
                      {"Music / Sfx", "music", "addmusic"}};
    for (const auto &c : creditRows) {
        grid->addWidget(label(QString::fromLatin1(c.text)), row, 0);
        grid->addWidget(addBox(QString::fromLatin1(c.main)), row, 1);
        grid->addWidget(label(QStringLiteral("Additional")), row, 2);
        grid->addWidget(addBox(QString::fromLatin1(c.add)), row++, 3, 1, 2);
    }

    m_others = new QPlainTextEdit(this);
    m_others->setObjectName(QStringLiteral("others"));
    m_others->setTabChangesFocus(true);
    m_others->setFixedHeight(m_others->fontMetrics().lineSpacing() * 3 + 12);
    grid->addWidget(label(QStringLiteral("Other Credits")), row, 0, Qt::AlignTop);
    grid->addWidget(m_others, row++, 1, 1, 4);
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setTabChangesFocus(true);
    m_note->setFixedHeight(m_others->height());
    grid->addWidget(label(QStringLiteral("Note")), row, 0, Qt::AlignTop);
    grid->addWidget(m_note, row++, 1, 1, 4);

    const struct {
        const char *text;
        const char *name;
        const char *button;
        PickButton pick;
    } files[] = {{"File Game", "emul1", "pickGame", PickButton::Game},
                 {"File Music", "song", "pickMusic", PickButton::Music},
                 {"Screenshot 1", "screen1", "pickScreen1", PickButton::Screen1},
                 {"Screenshot 2", "screen2", "pickScreen2", PickButton::Screen2}};
    for (const auto &f : files) {
        grid->addWidget(label(QString::fromLatin1(f.text)), row, 0);
        grid->addWidget(addBox(QString::fromLatin1(f.name)), row, 1, 1, 3);
        QPushButton *b = pickButton(this, QString::fromLatin1(f.button));
        connect(b, &QPushButton::clicked, this, [this, button = f.pick] { pick(button); });
        grid->addWidget(b, row++, 4);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    m_amigaDisk = new QGroupBox(QStringLiteral("Amiga Disk"), this);
    m_amigaDisk->setObjectName(QStringLiteral("AmigaDisk"));
    auto *disks = new QGridLayout(m_amigaDisk);
    const struct {
        const char *text;
        const char *name;
        const char *button;
        PickButton pick;
    } drives[] = {{"DF1:", "df1", "pickDF1", PickButton::DF1},
                  {"DF2:", "df2", "pickDF2", PickButton::DF2},
                  {"DF3:", "df3", "pickDF3", PickButton::DF3}};
    int diskRow = 0;
    for (const auto &d : drives) {
        disks->addWidget(new QLabel(QString::fromLatin1(d.text), m_amigaDisk), diskRow, 0);
        QLineEdit *box = addBox(QString::fromLatin1(d.name));
        box->setParent(m_amigaDisk);
        disks->addWidget(box, diskRow, 1);
        QPushButton *b = pickButton(m_amigaDisk, QString::fromLatin1(d.button));
        connect(b, &QPushButton::clicked, this, [this, button = d.pick] { pick(button); });
        disks->addWidget(b, diskRow++, 2);
    }
    auto *closeDisk = new QPushButton(QStringLiteral("CLOSE"), m_amigaDisk);
    closeDisk->setObjectName(QStringLiteral("CloseDisk"));
    disks->addWidget(closeDisk, diskRow, 0, 1, 3, Qt::AlignRight);
    m_amigaDisk->hide();

    // Kept with the record but never edited by hand.
    m_idBox = addBox(QStringLiteral("id"));
    m_idBox->hide();
    m_dbver = addBox(QStringLiteral("dbver"));
    m_dbver->hide();

    m_saveRecord = new QPushButton(QStringLiteral("Save Record"), this);
    m_saveRecord->setObjectName(QStringLiteral("SaveRecord"));
    m_modify = new QPushButton(QStringLiteral("Modify"), this);
    m_modify->setObjectName(QStringLiteral("Modify"));
    auto *closeEditor = new QPushButton(QStringLiteral("Close"), this);
    closeEditor->setObjectName(QStringLiteral("CloseEditor"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_saveRecord);
    buttons->addWidget(m_modify);
    buttons->addWidget(closeEditor);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addWidget(m_amigaDisk);
    outer->addStretch(1);
    outer->addLayout(buttons);

    // "DFx" follows the machine as the user types, not only on the next activation.
    connect(m_formato, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (m_amigaDisk->isHidden())
            m_dfx->setVisible(editorrules::showsDiskButton(text));
    });
    connect(m_dfx, &QPushButton::clicked, this, &Credits::DFx_Click);
    connect(closeDisk, &QPushButton::clicked, this, &Credits::CloseDisk_Click);
    connect(m_saveRecord, &QPushButton::clicked, this, &Credits::SaveRecord_Click);
    connect(m_modify, &QPushButton::clicked, this, &Credits::Modify_Click);
    connect(closeEditor, &QPushButton::clicked, this, &Credits::CloseEditor_Click);
    resize(640, sizeHint().height());
}

void Credits::Form_Load()
{
    m_ctx.currentform = this;
    centreOnScreen(this);
    {
        const QSignalBlocker blocker(m_formato);
        m_formato->clear();
        m_formato->addItems(editorrules::machineList());
    }
    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    m_modifying = m_ctx.editmode == QLatin1String("mod");
    m_saveRecord->setVisible(!m_modifying);
    m_modify->setVisible(m_modifying);
    m_amigaDisk->hide();
    m_unread = false;
    if (m_modifying) {
        setWindowTitle(QStringLiteral("Modify Game"));
        m_id = m_ctx.selectedid;
        QString error;
        const auto row = gamerecords::loadGame(m_ctx.db(), m_id, &error);
        m_unread = !row;
        if (row) {
            showRecord(*row);
        } else {
            clearBoxes();
            m_ctx.dialogs.beep();
            m_ctx.dialogs.message(error, Dialogs::Icon::Critical, QStringLiteral("Error"));
        }
    } else {
        // Anything but "mod" adds games: there is no third way to open the editor.
        setWindowTitle(QStringLiteral("Insert New Game"));
        m_id = 0;
        clearBoxes();
    }
    m_dfx->setVisible(editorrules::showsDiskButton(machine()));
}

void Credits::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

bool Credits::takePick(const QString &mode, QLineEdit *box)
{
    if (m_ctx.browsemode != mode || m_ctx.pickflag != QLatin1String("yes"))
        return false;
    box->setText(m_ctx.browsepath);
    m_ctx.pickflag = QStringLiteral("no");
    return true;
}

void Credits::Form_Activate()
{
    // The question below activates the editor again when it closes.
    if (m_inActivate)
        return;
    m_inActivate = true;
    // With the frame open its "CLOSE" stands in for "DFx".
    m_dfx->setVisible(editorrules::showsDiskButton(machine()) && m_amigaDisk->isHidden());
    takePick(QStringLiteral("screen1"), m_boxes.value(QStringLiteral("screen1")));
    takePick(QStringLiteral("screen2"), m_boxes.value(QStringLiteral("screen2")));
    static const char *const slotColumns[] = {"emul1", "df1", "df2", "df3"};
    const QString slotColumn = QLatin1String(slotColumns[qBound(0, m_diskSlot, 3)]);
    if (takePick(QStringLiteral("game"), m_boxes.value(slotColumn)) &&
        !boxText(QStringLiteral("emul1")).isEmpty() && editorrules::asksOtherDrives(machine()) &&
        m_amigaDisk->isHidden()) {
        m_ctx.dialogs.beep();
        if (m_ctx.dialogs.ask(QStringLiteral("Configure others Amiga drive?"),
                              Dialogs::Icon::Question, QStringLiteral("Amiga Games"))) {
            m_dfx->hide();
            m_amigaDisk->show();
        }
    }
    takePick(QStringLiteral("music"), m_boxes.value(QStringLiteral("song")));
    m_inActivate = false;
}

QString Credits::machine() const
{
    return m_formato->currentText();
}

QString Credits::boxText(const QString &column) const
{
    const QLineEdit *box = m_boxes.value(column);
    return box ? box->text() : QString();
}

void Credits::setBoxText(const QString &column, const QString &text)
{
    if (QLineEdit *box = m_boxes.value(column))
        box->setText(text);
}

void Credits::showRecord(const QVariantMap &row)
{
    for (const QString &column : editorrules::editorColumns())
        setBoxText(column, row.value(column).toString());
    m_others->setPlainText(row.value(QStringLiteral("others")).toString());
    m_note->setPlainText(row.value(QStringLiteral("note")).toString());
    {
        const QSignalBlocker blocker(m_formato);
        m_formato->setCurrentIndex(-1);
        m_formato->setEditText(row.value(QStringLiteral("formato")).toString());
    }
    m_idBox->setText(row.value(QStringLiteral("id")).toString());
    m_dbver->setText(row.value(QStringLiteral("dbver")).toString());
}

void Credits::clearBoxes()
{
    for (QLineEdit *box : std::as_const(m_boxes))
        box->clear();
    m_others->clear();
    m_note->clear();
    const QSignalBlocker blocker(m_formato);
    m_formato->setCurrentIndex(-1);
    m_formato->setEditText(QString());
}

QVariantMap Credits::gatherFields() const
{
    QVariantMap fields;
    for (const QString &column : editorrules::editorColumns())
        fields.insert(column, gamerecords::storedText(boxText(column)));
    fields.insert(QStringLiteral("others"), gamerecords::storedText(m_others->toPlainText()));
    fields.insert(QStringLiteral("note"), gamerecords::storedText(m_note->toPlainText()));
    fields.insert(QStringLiteral("formato"), gamerecords::storedText(machine()));
    return fields;
}

void Credits::pick(PickButton button)
{
    const editorrules::PickRequest request = editorrules::pickRequest(button);
    m_ctx.browsemode = request.mode;
    if (request.slot >= 0)
        m_diskSlot = request.slot;
    const QVariantMap config = gamerecords::loadConfiguration(m_ctx.db());
    m_ctx.startdir = config.value(editorrules::startColumn(button, machine())).toString();
    m_ctx.pickflag = QStringLiteral("yes");
    m_ctx.windows.show(QStringLiteral("sfoglia"));
}

void Credits::DFx_Click()
{
    m_amigaDisk->show();
    m_dfx->hide();
}

void Credits::CloseDisk_Click()
{
    m_amigaDisk->hide();
    m_dfx->show();
}

void Credits::reportSaveFailure(const QString &error)
{
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(QStringLiteral("The game was not saved: %1").arg(error),
                          Dialogs::Icon::Critical, QStringLiteral("Error"));
}

void Credits::SaveRecord_Click()
{
    const QString title = boxText(QStringLiteral("titolo"));
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(QStringLiteral("Confirm adding ") + title + QStringLiteral("?"),
                           Dialogs::Icon::Question, QStringLiteral("Confirm")))
        return;
    if (editorrules::lacksTitleOrMachine(title, machine())) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("Insert TITLE and C64/Amiga"), Dialogs::Icon::Critical,
                              QStringLiteral("Error"));
        return;
    }
    QString error;
    if (!gamerecords::insertGame(m_ctx.db(), gatherFields(), &error)) {
        reportSaveFailure(error);
        return;
    }
    clearBoxes();
    m_dfx->setVisible(false);
    m_boxes.value(QStringLiteral("titolo"))->setFocus();
}

void Credits::Modify_Click()
{
    const QString title = boxText(QStringLiteral("titolo"));
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(QStringLiteral("Confim Modify ") + title + QStringLiteral("?"),
                           Dialogs::Icon::Information, QStringLiteral("Modify"))) {
        QString error;
        const auto row = gamerecords::loadGame(m_ctx.db(), m_id, &error);
        m_unread = !row;
        if (row) {
            showRecord(*row);
        } else {
            m_ctx.dialogs.beep();
            m_ctx.dialogs.message(error, Dialogs::Icon::Critical, QStringLiteral("Error"));
        }
        return;
    }
    if (editorrules::lacksTitleOrMachine(title, machine())) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("Insert TITLE and C64/Amiga"), Dialogs::Icon::Critical,
                              QStringLiteral("Error"));
        return;
    }
    if (m_unread) {
        // Storing the boxes would write empty fields over a game that may well be there.
        editorrules::refuseUnreadGame(m_ctx.dialogs);
        return;
    }
    QVariantMap fields = gatherFields();
    fields.insert(QStringLiteral("dbver"), QStringLiteral("Private"));
    QString error;
    if (!gamerecords::updateGame(m_ctx.db(), m_id, fields, &error)) {
        reportSaveFailure(error);
        return;
    }
    m_dbver->setText(QStringLiteral("Private"));
    close();
}

void Credits::CloseEditor_Click()
{
    close();
}
