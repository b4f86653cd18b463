#include "recordeditor.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "dialogs.h"
#include "disklistbox.h"
#include "fitscrollarea.h"
#include "gameform.h"
#include "gamesaver.h"
#include "opentest.h"
#include "placement.h"
#include "screenfit.h"
#include "windowregistry.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using editorrules::PickButton;

RecordEditor::RecordEditor(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_form(new GameForm)
{
    setObjectName(QStringLiteral("recordEditor"));
    closeOnEscape(this);
    // The fields scroll on a small screen; the buttons stay in sight below them.
    auto *scroll = new FitScrollArea(m_form, this);
    scroll->setObjectName(QStringLiteral("fieldsScroll"));
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(scroll, 1);
    outer->addLayout(buildButtons());
    // On a low screen the fields scroll: leave room for the bar beside them.
    resize(sizeHint() + QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0));

    connect(m_form, &GameForm::pickClicked, this, &RecordEditor::onPickClicked);
    connect(m_form->diskList(), &DiskListBox::addClicked, this, &RecordEditor::onAddDiskClicked);
    connect(m_form, &GameForm::disksToggled, this, [this] { ScreenFit::showWhole(this); });
    connect(&m_ctx.windows.events(), &WindowEvents::filePicked, this, &RecordEditor::onFilePicked);
    centreOnScreen(this);
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

CatalogueStore RecordEditor::store() const
{
    return CatalogueStore(m_ctx.db());
}

GameSaver RecordEditor::saver() const
{
    return GameSaver(store(), m_ctx.dialogs);
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
    m_form->showDisks(false);
    m_waitingFor.reset();
    m_unread = false;
    m_id = modifying ? request.gameId : 0;
    if (!modifying) {
        setWindowTitle(tr("Insert New Game"));
        showGame({});
    } else if (reloadGame()) {
        setWindowTitle(tr("Modify Game - %1").arg(m_loaded.title));
    } else {
        setWindowTitle(tr("Modify Game"));
        showGame({});
    }
    return true;
}

// Shows the game as stored; on failure says why and leaves the fields as they are.
bool RecordEditor::reloadGame()
{
    const Result<Game> game = store().game(m_id);
    const Result<QStringList> disks = game ? store().moreDisks(m_id) : game.failure();
    m_unread = !disks;
    if (!disks) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(disks.error(), Dialogs::Icon::Critical, tr("Error"));
        return false;
    }
    showGame(*game, *disks);
    return true;
}

void RecordEditor::showGame(const Game &game, const QStringList &moreDisks)
{
    m_loaded = game;
    m_form->setGame(game);
    m_form->diskList()->setDisks(moreDisks);
    m_shown = m_form->game();
    m_shownDisks = moreDisks;
}

bool RecordEditor::unchanged() const
{
    return m_form->game() == m_shown && m_form->diskList()->disks() == m_shownDisks;
}

void RecordEditor::onPickClicked(PickButton button)
{
    openChooser(button, editorrules::pickTarget(button).field);
}

// A further disk is picked where the game file is.
void RecordEditor::onAddDiskClicked()
{
    openChooser(PickButton::Game, std::nullopt);
}

void RecordEditor::openChooser(PickButton button, std::optional<Game::Field> field)
{
    const editorrules::PickTarget target = editorrules::pickTarget(button);
    const Configuration config = store().configuration().valueOr({});
    const QString folder = config.value(editorrules::startFolder(button, m_form->machine()));
    m_waitingFor = target.purpose;
    m_pickField = field;
    QWidget *chooser = m_ctx.windows.open(FileChooserRequest{target.purpose, folder, int(m_id)});
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
    if (!m_pickField) {
        m_form->diskList()->appendDisk(path);
        return;
    }
    m_form->setText(*m_pickField, path);
    if (purpose == ChooserPurpose::GameFile)
        askForOtherDrives();
}

void RecordEditor::askForOtherDrives()
{
    if (m_form->text(Game::Field::GameFile).isEmpty() ||
        !editorrules::asksOtherDrives(m_form->machine()) || m_form->disksShown())
        return;
    m_ctx.dialogs.beep();
    if (m_ctx.dialogs.ask(tr("Configure other Amiga drives?"), Dialogs::Icon::Question,
                          tr("Amiga Games")))
        m_form->showDisks(true);
}

bool RecordEditor::confirm(const QString &question, const QString &title, bool information)
{
    m_ctx.dialogs.beep();
    return m_ctx.dialogs.ask(
        question, information ? Dialogs::Icon::Information : Dialogs::Icon::Question, title);
}

bool RecordEditor::checkSavable()
{
    const Game game = m_form->game();
    const Outcome savable = GameSaver::checkSavable(game);
    if (savable)
        return true;
    m_ctx.dialogs.beep();
    m_ctx.dialogs.message(savable.error(), Dialogs::Icon::Critical, tr("Error"));
    if (!editorrules::lacksTitleOrMachine(game.title, game.machine))
        m_form->focusMachine(); // the machine is not one of the six
    return false;
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
    if (!checkSavable())
        return false;
    const QString title = m_form->text(Game::Field::Title);
    if (asking && !confirm(tr("Confirm adding %1?").arg(title), tr("Confirm"), false))
        return false;
    const Result<GameId> id = saver().add(m_form->game(), m_form->diskList()->disks());
    if (!id) {
        reportSaveFailure(id.error());
        return false;
    }
    showGame({});
    m_form->focusTitle();
    Q_EMIT m_ctx.windows.events().gameAdded(int(*id));
    return true;
}

void RecordEditor::onModifyClicked()
{
    saveChanges(true);
}

bool RecordEditor::saveChanges(bool asking)
{
    if (!checkSavable())
        return false;
    const QString title = m_form->text(Game::Field::Title);
    if (asking && !confirm(tr("Confirm Modify %1?").arg(title), tr("Modify"), true)) {
        reloadGame();
        return false;
    }
    if (m_unread) {
        // Storing the boxes would write empty fields over a game that may well be there.
        editorrules::refuseUnreadGame(m_ctx.dialogs);
        return false;
    }
    const Result<GameSaver::Save> save =
        saver().saveChanges(m_loaded, m_form->game(), GameForm::fields(),
                            DiskEdit{m_shownDisks, m_form->diskList()->disks()});
    if (!save) {
        reportSaveFailure(save.error());
        return false;
    }
    if (save->kind == GameSaver::Save::Reload)
        showGame(save->stored, store().moreDisks(m_id).valueOr(QStringList()));
    if (save->kind != GameSaver::Save::Saved)
        return false;
    m_shown = m_form->game();
    m_shownDisks = m_form->diskList()->disks();
    close();
    Q_EMIT m_ctx.windows.events().gameSaved(int(m_id));
    return true;
}

void RecordEditor::closeEvent(QCloseEvent *event)
{
    if (unchanged() || askToSaveOrDiscard())
        event->accept();
    else
        event->ignore();
}

// Save / Discard / Cancel as two Yes/No questions: Yes to the first saves, Yes to the
// second throws the changes away, No to both keeps the window open.
bool RecordEditor::askToSaveOrDiscard()
{
    m_ctx.dialogs.beep();
    const QString title = m_form->text(Game::Field::Title).trimmed();
    if (m_ctx.dialogs.ask(tr("Save the changes to %1 before closing?")
                              .arg(title.isEmpty() ? tr("the new game") : title),
                          Dialogs::Icon::Question, windowTitle()))
        return m_mode == EditMode::Modify ? saveChanges(false) : saveNew(false);
    if (m_ctx.dialogs.ask(tr("Close and discard the changes?"), Dialogs::Icon::Question,
                          windowTitle())) {
        m_shown = m_form->game();
        m_shownDisks = m_form->diskList()->disks();
        return true;
    }
    return false;
}
