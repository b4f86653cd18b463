#include "recordeditor.h"

#include "appcontext.h"
#include "dialogs.h"
#include "fitscrollarea.h"
#include "gamerecords.h"
#include "opentest.h"
#include "placement.h"
#include "screenfit.h"
#include "windowregistry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using editorrules::PickButton;

RecordEditor::RecordEditor(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("recordEditor"));
    closeOnEscape(this);
    auto *grid = new QGridLayout;
    int row = 0;
    buildMainRows(grid, row);
    buildCreditRows(grid, row);
    buildFileRows(grid, row);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    // The fields scroll on a small screen; the buttons stay in sight below them.
    auto *body = new QWidget;
    auto *fields = new QVBoxLayout(body);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addLayout(grid);
    fields->addWidget(buildDiskGroup());
    fields->addStretch(1);
    auto *scroll = new FitScrollArea(body, this);
    scroll->setObjectName(QStringLiteral("fieldsScroll"));
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(scroll, 1);
    outer->addLayout(buildButtons());
    resize(640, sizeHint().height());

    connect(&m_ctx.windows.events(), &WindowEvents::filePicked, this, &RecordEditor::onFilePicked);
    centreOnScreen(this);
}

QLineEdit *RecordEditor::addEdit(QLineEdit *RecordEditor::*member, const char *objectName)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    this->*member = edit;
    return edit;
}

QPushButton *RecordEditor::addPickButton(QWidget *parent, QPushButton *RecordEditor::*member,
                                         const char *objectName, PickButton button)
{
    auto *b = new QPushButton(QStringLiteral("..."), parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(b, &QPushButton::clicked, this, [this, button] { onPickClicked(button); });
    this->*member = b;
    return b;
}

void RecordEditor::buildMainRows(QGridLayout *grid, int &row)
{
    QLineEdit *title = addEdit(&RecordEditor::m_titleEdit, "titleEdit");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    title->setFont(big);
    auto *titleLabel = new QLabel(tr("&Title"), this);
    titleLabel->setBuddy(title);
    grid->addWidget(titleLabel, row, 0);
    grid->addWidget(title, row++, 1, 1, 4);

    const struct {
        const char *label;
        QLineEdit *RecordEditor::*member;
        const char *name;
    } rows[] = {{QT_TR_NOOP("Publisher"), &RecordEditor::m_publisherEdit, "publisherEdit"},
                {QT_TR_NOOP("Genre"), &RecordEditor::m_genreEdit, "genreEdit"},
                {QT_TR_NOOP("Team"), &RecordEditor::m_teamEdit, "teamEdit"},
                {QT_TR_NOOP("Year"), &RecordEditor::m_yearEdit, "yearEdit"}};
    for (const auto &r : rows) {
        grid->addWidget(new QLabel(tr(r.label), this), row, 0);
        grid->addWidget(addEdit(r.member, r.name), row++, 1, 1, 4);
    }

    m_machineBox = new QComboBox(this);
    m_machineBox->setObjectName(QStringLiteral("machineBox"));
    m_machineBox->setEditable(true);
    m_machineBox->setInsertPolicy(QComboBox::NoInsert);
    m_machineBox->addItems(editorrules::machineList());
    m_disksButton = new QPushButton(QStringLiteral("DFx"), this);
    m_disksButton->setObjectName(QStringLiteral("disksButton"));
    grid->addWidget(new QLabel(tr("Machine"), this), row, 0);
    grid->addWidget(m_machineBox, row, 1);
    grid->addWidget(m_disksButton, row++, 2, Qt::AlignLeft);
    // "DFx" follows the machine as the user types.
    connect(m_machineBox, &QComboBox::currentTextChanged, this, &RecordEditor::onMachineEdited);
    connect(m_disksButton, &QPushButton::clicked, this, &RecordEditor::onDisksClicked);
}

void RecordEditor::buildCreditRows(QGridLayout *grid, int &row)
{
    using Member = QLineEdit *RecordEditor::*;
    const struct {
        const char *label;
        Member main;
        const char *mainName;
        Member additional;
        const char *additionalName;
    } rows[] = {{QT_TR_NOOP("Design / Concept"), &RecordEditor::m_designEdit, "designEdit",
                 &RecordEditor::m_additionalDesignEdit, "additionalDesignEdit"},
                {QT_TR_NOOP("Programming"), &RecordEditor::m_programmingEdit, "programmingEdit",
                 &RecordEditor::m_additionalProgrammingEdit, "additionalProgrammingEdit"},
                {QT_TR_NOOP("Graphics"), &RecordEditor::m_graphicsEdit, "graphicsEdit",
                 &RecordEditor::m_additionalGraphicsEdit, "additionalGraphicsEdit"},
                {QT_TR_NOOP("Music / Sfx"), &RecordEditor::m_musicEdit, "musicEdit",
                 &RecordEditor::m_additionalMusicEdit, "additionalMusicEdit"}};
    for (const auto &r : rows) {
        grid->addWidget(new QLabel(tr(r.label), this), row, 0);
        grid->addWidget(addEdit(r.main, r.mainName), row, 1);
        grid->addWidget(new QLabel(tr("Additional"), this), row, 2);
        grid->addWidget(addEdit(r.additional, r.additionalName), row++, 3, 1, 2);
    }

    m_othersEdit = new QPlainTextEdit(this);
    m_othersEdit->setObjectName(QStringLiteral("othersEdit"));
    m_noteEdit = new QPlainTextEdit(this);
    m_noteEdit->setObjectName(QStringLiteral("noteEdit"));
    const int height = m_othersEdit->fontMetrics().lineSpacing() * 3 + 12;
    for (QPlainTextEdit *edit : {m_othersEdit, m_noteEdit}) {
        edit->setTabChangesFocus(true);
        edit->setFixedHeight(height);
    }
    grid->addWidget(new QLabel(tr("Other Credits"), this), row, 0, Qt::AlignTop);
    grid->addWidget(m_othersEdit, row++, 1, 1, 4);
    grid->addWidget(new QLabel(tr("Note"), this), row, 0, Qt::AlignTop);
    grid->addWidget(m_noteEdit, row++, 1, 1, 4);
}

void RecordEditor::buildFileRows(QGridLayout *grid, int &row)
{
    const struct {
        const char *label;
        QLineEdit *RecordEditor::*edit;
        const char *editName;
        QPushButton *RecordEditor::*button;
        const char *buttonName;
        PickButton pick;
    } rows[] = {
        {QT_TR_NOOP("File Game"), &RecordEditor::m_gameFileEdit, "gameFileEdit",
         &RecordEditor::m_pickGameButton, "pickGameButton", PickButton::Game},
        {QT_TR_NOOP("File Music"), &RecordEditor::m_musicFileEdit, "musicFileEdit",
         &RecordEditor::m_pickMusicButton, "pickMusicButton", PickButton::Music},
        {QT_TR_NOOP("Screenshot 1"), &RecordEditor::m_screenshot1Edit, "screenshot1Edit",
         &RecordEditor::m_pickScreenshot1Button, "pickScreenshot1Button", PickButton::Screenshot1},
        {QT_TR_NOOP("Screenshot 2"), &RecordEditor::m_screenshot2Edit, "screenshot2Edit",
         &RecordEditor::m_pickScreenshot2Button, "pickScreenshot2Button", PickButton::Screenshot2}};
    for (const auto &r : rows) {
        grid->addWidget(new QLabel(tr(r.label), this), row, 0);
        grid->addWidget(addEdit(r.edit, r.editName), row, 1, 1, 3);
        grid->addWidget(addPickButton(this, r.button, r.buttonName, r.pick), row++, 4);
    }
}

QGroupBox *RecordEditor::buildDiskGroup()
{
    m_diskGroup = new QGroupBox(tr("Amiga Disk"), this);
    m_diskGroup->setObjectName(QStringLiteral("diskGroup"));
    auto *disks = new QGridLayout(m_diskGroup);
    const struct {
        const char *label;
        QLineEdit *RecordEditor::*edit;
        const char *editName;
        QPushButton *RecordEditor::*button;
        const char *buttonName;
        PickButton pick;
    } rows[] = {{"DF1:", &RecordEditor::m_floppy1Edit, "floppy1Edit",
                 &RecordEditor::m_pickFloppy1Button, "pickFloppy1Button", PickButton::Floppy1},
                {"DF2:", &RecordEditor::m_floppy2Edit, "floppy2Edit",
                 &RecordEditor::m_pickFloppy2Button, "pickFloppy2Button", PickButton::Floppy2},
                {"DF3:", &RecordEditor::m_floppy3Edit, "floppy3Edit",
                 &RecordEditor::m_pickFloppy3Button, "pickFloppy3Button", PickButton::Floppy3}};
    int row = 0;
    for (const auto &r : rows) {
        disks->addWidget(new QLabel(QString::fromLatin1(r.label), m_diskGroup), row, 0);
        QLineEdit *edit = addEdit(r.edit, r.editName);
        edit->setParent(m_diskGroup);
        disks->addWidget(edit, row, 1);
        disks->addWidget(addPickButton(m_diskGroup, r.button, r.buttonName, r.pick), row++, 2);
    }
    m_closeDisksButton = new QPushButton(tr("CLOSE"), m_diskGroup);
    m_closeDisksButton->setObjectName(QStringLiteral("closeDisksButton"));
    disks->addWidget(m_closeDisksButton, row, 0, 1, 3, Qt::AlignRight);
    connect(m_closeDisksButton, &QPushButton::clicked, this, &RecordEditor::onCloseDisksClicked);
    m_diskGroup->hide();
    return m_diskGroup;
}

QLayout *RecordEditor::buildButtons()
{
    m_saveButton = new QPushButton(tr("Save Record"), this);
    m_saveButton->setObjectName(QStringLiteral("saveButton"));
    m_modifyButton = new QPushButton(tr("Modify"), this);
    m_modifyButton->setObjectName(QStringLiteral("modifyButton"));
    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_modifyButton);
    buttons->addWidget(m_closeButton);
    connect(m_saveButton, &QPushButton::clicked, this, &RecordEditor::onSaveClicked);
    connect(m_modifyButton, &QPushButton::clicked, this, &RecordEditor::onModifyClicked);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

QList<std::pair<QString, QLineEdit *>> RecordEditor::columnEdits() const
{
    const auto c = [](const char *column) { return QString::fromLatin1(column); };
    return {{c("titolo"), m_titleEdit},
            {c("sh"), m_publisherEdit},
            {c("tipo"), m_genreEdit},
            {c("team"), m_teamEdit},
            {c("year"), m_yearEdit},
            {c("design"), m_designEdit},
            {c("programming"), m_programmingEdit},
            {c("graphics"), m_graphicsEdit},
            {c("music"), m_musicEdit},
            {c("adddesign"), m_additionalDesignEdit},
            {c("addprogramming"), m_additionalProgrammingEdit},
            {c("addgraphics"), m_additionalGraphicsEdit},
            {c("addmusic"), m_additionalMusicEdit},
            {c("emul1"), m_gameFileEdit},
            {c("song"), m_musicFileEdit},
            {c("screen1"), m_screenshot1Edit},
            {c("screen2"), m_screenshot2Edit},
            {c("df1"), m_floppy1Edit},
            {c("df2"), m_floppy2Edit},
            {c("df3"), m_floppy3Edit}};
}

bool RecordEditor::takeRequest(const RecordEditorRequest &request)
{
    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    m_mode = request.mode;
    const bool modifying = m_mode == EditMode::Modify;
    m_saveButton->setVisible(!modifying);
    m_saveButton->setDefault(!modifying);
    m_modifyButton->setVisible(modifying);
    m_modifyButton->setDefault(modifying);
    m_diskGroup->hide();
    m_waitingFor.reset();
    m_unread = false;
    if (modifying) {
        setWindowTitle(tr("Modify Game"));
        m_id = request.gameId;
        if (!reloadGame())
            clearFields();
        else
            setWindowTitle(tr("Modify Game - %1").arg(m_titleEdit->text()));
    } else {
        setWindowTitle(tr("Insert New Game"));
        m_id = 0;
        clearFields();
    }
    onMachineEdited(machine());
    return true;
}

// Shows the game as stored; on failure says why and leaves the fields as they are.
bool RecordEditor::reloadGame()
{
    QString error;
    const auto row = gamerecords::loadGame(m_ctx.db(), m_id, &error);
    m_unread = !row;
    if (!row) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(error, Dialogs::Icon::Critical, tr("Error"));
        return false;
    }
    showGame(*row);
    return true;
}

QString RecordEditor::machine() const
{
    return m_machineBox->currentText();
}

void RecordEditor::showGame(const QVariantMap &row)
{
    for (const auto &[column, edit] : columnEdits())
        edit->setText(row.value(column).toString());
    m_othersEdit->setPlainText(row.value(QStringLiteral("others")).toString());
    m_noteEdit->setPlainText(row.value(QStringLiteral("note")).toString());
    const QSignalBlocker blocker(m_machineBox);
    m_machineBox->setCurrentIndex(-1);
    m_machineBox->setEditText(row.value(QStringLiteral("formato")).toString());
    m_shownFields = gatherFields();
    m_loaded.clear();
    for (auto it = m_shownFields.cbegin(); it != m_shownFields.cend(); ++it)
        m_loaded.insert(it.key(), row.value(it.key()));
}

void RecordEditor::clearFields()
{
    for (const auto &entry : columnEdits())
        entry.second->clear();
    m_othersEdit->clear();
    m_noteEdit->clear();
    const QSignalBlocker blocker(m_machineBox);
    m_machineBox->setCurrentIndex(-1);
    m_machineBox->setEditText(QString());
    m_shownFields = gatherFields();
    m_loaded.clear();
}

QVariantMap RecordEditor::gatherFields() const
{
    QVariantMap fields;
    for (const auto &[column, edit] : columnEdits())
        fields.insert(column, gamerecords::storedText(edit->text()));
    fields.insert(QStringLiteral("others"), gamerecords::storedText(m_othersEdit->toPlainText()));
    fields.insert(QStringLiteral("note"), gamerecords::storedText(m_noteEdit->toPlainText()));
    const QString code = editorrules::machineCode(machine());
    fields.insert(QStringLiteral("formato"),
                  gamerecords::storedText(code.isEmpty() ? machine() : code));
    return fields;
}

void RecordEditor::onMachineEdited(const QString &machine)
{
    // With the disk group open its "CLOSE" stands in for "DFx".
    m_disksButton->setVisible(editorrules::showsDiskButton(machine) && m_diskGroup->isHidden());
}

void RecordEditor::onPickClicked(PickButton button)
{
    const editorrules::PickTarget target = editorrules::pickTarget(button);
    if (target.diskSlot >= 0)
        m_diskSlot = target.diskSlot;
    const QVariantMap config = gamerecords::loadConfiguration(m_ctx.db());
    const QString folder = config.value(editorrules::startColumn(button, machine())).toString();
    m_waitingFor = target.purpose;
    QWidget *chooser = m_ctx.windows.open(FileChooserRequest{target.purpose, folder, m_id});
    if (!chooser) {
        m_waitingFor.reset();
        return;
    }
    // Closed without a pick, the chooser leaves the box as it is.
    connect(chooser, &QObject::destroyed, this, &RecordEditor::onChooserClosed,
            Qt::UniqueConnection);
}

void RecordEditor::onChooserClosed()
{
    m_waitingFor.reset();
}

void RecordEditor::onFilePicked(ChooserPurpose purpose, const QString &path)
{
    if (m_waitingFor != purpose)
        return;
    m_waitingFor.reset();
    switch (purpose) {
    case ChooserPurpose::Screenshot1:
        m_screenshot1Edit->setText(path);
        break;
    case ChooserPurpose::Screenshot2:
        m_screenshot2Edit->setText(path);
        break;
    case ChooserPurpose::MusicFile:
        m_musicFileEdit->setText(path);
        break;
    case ChooserPurpose::GameFile: {
        QLineEdit *const diskEdits[] = {m_gameFileEdit, m_floppy1Edit, m_floppy2Edit,
                                        m_floppy3Edit};
        diskEdits[qBound(0, m_diskSlot, 3)]->setText(path);
        askForOtherDrives();
        break;
    }
    default:
        break;
    }
}

void RecordEditor::askForOtherDrives()
{
    if (m_gameFileEdit->text().isEmpty() || !editorrules::asksOtherDrives(machine()) ||
        !m_diskGroup->isHidden())
        return;
    m_ctx.dialogs.beep();
    if (m_ctx.dialogs.ask(tr("Configure other Amiga drives?"), Dialogs::Icon::Question,
                          tr("Amiga Games")))
        onDisksClicked();
}

void RecordEditor::onDisksClicked()
{
    m_diskGroup->show();
    m_disksButton->hide();
    ScreenFit::showWhole(this);
}

void RecordEditor::onCloseDisksClicked()
{
    m_diskGroup->hide();
    m_disksButton->show();
    ScreenFit::showWhole(this);
}

bool RecordEditor::confirm(const QString &question, const QString &title, bool information)
{
    m_ctx.dialogs.beep();
    return m_ctx.dialogs.ask(
        question, information ? Dialogs::Icon::Information : Dialogs::Icon::Question, title);
}

bool RecordEditor::checkTitleAndMachine()
{
    if (editorrules::lacksTitleOrMachine(m_titleEdit->text(), machine())) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("Insert TITLE and C64/Amiga"), Dialogs::Icon::Critical,
                              tr("Error"));
        return false;
    }
    if (editorrules::machineCode(machine()).isEmpty()) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(tr("The machine must be one of: %1")
                                  .arg(editorrules::machineList().join(QStringLiteral(", "))),
                              Dialogs::Icon::Critical, tr("Error"));
        m_machineBox->setFocus();
        return false;
    }
    return true;
}

void RecordEditor::reportSaveFailure(const QString &error)
{
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(tr("The game was not saved: %1").arg(error), Dialogs::Icon::Critical,
                          tr("Error"));
}

void RecordEditor::onSaveClicked()
{
    saveNew(true);
}

bool RecordEditor::saveNew(bool asking)
{
    if (!checkTitleAndMachine())
        return false;
    if (asking && !confirm(tr("Confirm adding %1?").arg(m_titleEdit->text()), tr("Confirm"), false))
        return false;
    QString error;
    const int id = gamerecords::insertGame(m_ctx.db(), gatherFields(), &error);
    if (!id) {
        reportSaveFailure(error);
        return false;
    }
    clearFields();
    m_disksButton->setVisible(false);
    m_titleEdit->setFocus();
    Q_EMIT m_ctx.windows.events().gameAdded(id);
    return true;
}

void RecordEditor::onModifyClicked()
{
    saveChanges(true);
}

bool RecordEditor::saveChanges(bool asking)
{
    if (!checkTitleAndMachine())
        return false;
    if (asking && !confirm(tr("Confirm Modify %1?").arg(m_titleEdit->text()), tr("Modify"), true)) {
        reloadGame();
        return false;
    }
    if (m_unread) {
        // Storing the boxes would write empty fields over a game that may well be there.
        editorrules::refuseUnreadGame(m_ctx.dialogs);
        return false;
    }
    QVariantMap fields = gatherFields();
    fields.insert(QStringLiteral("dbver"), QStringLiteral("Private"));
    const editorrules::Save save =
        editorrules::saveOverLoaded(m_ctx.db(), m_ctx.dialogs, m_id, fields, m_loaded);
    if (save.outcome == editorrules::Save::Reload)
        showGame(save.stored);
    if (save.outcome == editorrules::Save::Failed)
        reportSaveFailure(save.error);
    if (save.outcome != editorrules::Save::Saved)
        return false;
    m_shownFields = gatherFields();
    close();
    Q_EMIT m_ctx.windows.events().gameSaved(m_id);
    return true;
}

void RecordEditor::closeEvent(QCloseEvent *event)
{
    if (gatherFields() == m_shownFields || askToSaveOrDiscard())
        event->accept();
    else
        event->ignore();
}

// Save / Discard / Cancel as two Yes/No questions: Yes to the first saves, Yes to the
// second throws the changes away, No to both keeps the window open.
bool RecordEditor::askToSaveOrDiscard()
{
    m_ctx.dialogs.beep();
    const QString title = m_titleEdit->text().trimmed();
    if (m_ctx.dialogs.ask(tr("Save the changes to %1 before closing?")
                              .arg(title.isEmpty() ? tr("the new game") : title),
                          Dialogs::Icon::Question, windowTitle())) {
        const bool saved = m_mode == EditMode::Modify ? saveChanges(false) : saveNew(false);
        return saved;
    }
    if (m_ctx.dialogs.ask(tr("Close and discard the changes?"), Dialogs::Icon::Question,
                          windowTitle())) {
        m_shownFields = gatherFields();
        return true;
    }
    return false;
}
