#include "systemconfigwindow.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "configfields.h"
#include "dialogs.h"
#include "fitscrollarea.h"
#include "opentest.h"
#include "pathcheck.h"
#include "placement.h"
#include "programdetection.h"
#include "windowregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

// Where the chooser starts for a box: the folder it names, or the folder of the program.
QString startFolder(const configfields::Field &field, const QString &text)
{
    if (text.isEmpty() || field.isFolder())
        return text;
    return QDir::toNativeSeparators(QFileInfo(text).absolutePath());
}

} // namespace

SystemConfigWindow::SystemConfigWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("SystemConfigWindow"));
    setWindowTitle(tr("System Configuration"));
    closeOnEscape(this);
    // The frames scroll on a small screen; the buttons stay in sight below them.
    auto *body = new QWidget;
    auto *frames = new QVBoxLayout(body);
    frames->setContentsMargins(0, 0, 0, 0);
    buildFrames(frames);
    auto *scroll = new FitScrollArea(body, this);
    scroll->setObjectName(QStringLiteral("framesScroll"));
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(scroll, 1);
    buildButtons(outer);
    connect(&m_ctx.windows.events(), &WindowEvents::filePicked, this,
            &SystemConfigWindow::takePick);

    resize(sizeHint());
    centreOnScreen(this);
    if (checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue))
        showStoredPaths();
}

void SystemConfigWindow::buildFrames(QVBoxLayout *outer)
{
    int labelWidth = 0;
    for (const configfields::Field &f : configfields::fields())
        labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(tr(f.label)));
    QGroupBox *frame = nullptr;
    QGridLayout *grid = nullptr;
    for (const configfields::Field &f : configfields::fields()) {
        const QString frameTitle = tr(f.frame);
        if (!frame || frame->title() != frameTitle) {
            frame = new QGroupBox(frameTitle, this);
            grid = new QGridLayout(frame);
            grid->setColumnStretch(1, 1);
            outer->addWidget(frame);
        }
        addPathRow(grid, f, labelWidth);
    }
}

void SystemConfigWindow::addPathRow(QGridLayout *grid, const configfields::Field &field,
                                    int labelWidth)
{
    QWidget *frame = grid->parentWidget();
    const QString name = QLatin1String(field.name);
    const int row = grid->rowCount();
    auto *label = new QLabel(tr(field.label), frame);
    // One label width for all frames, so that the boxes line up.
    label->setMinimumWidth(labelWidth);
    grid->addWidget(label, row, 0);
    auto *edit = new QLineEdit(frame);
    edit->setObjectName(name + QStringLiteral("Edit"));
    edit->setMinimumWidth(360);
    grid->addWidget(edit, row, 1);
    auto *button = new QPushButton(QStringLiteral("..."), frame);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    button->setObjectName(name + QStringLiteral("PickButton"));
    button->setToolTip(field.isFolder() ? tr("Choose a directory") : tr("Choose a program"));
    connect(button, &QPushButton::clicked, this, [this, &field] { pickPath(field); });
    connect(edit, &QLineEdit::textChanged, this, [this, &field] { markPath(field); });
    grid->addWidget(button, row, 2);
    m_pathEdits.insert(field.path, edit);
    m_pickButtons.insert(field.path, button);
}

void SystemConfigWindow::buildButtons(QVBoxLayout *outer)
{
    auto *buttons = new QHBoxLayout;
    m_detectButton = new QPushButton(tr("Detect"), this);
    m_detectButton->setObjectName(QStringLiteral("detectButton"));
    m_detectButton->setToolTip(tr("Fill the empty emulator and player paths with the programs "
                                  "installed on PATH"));
    connect(m_detectButton, &QPushButton::clicked, this, &SystemConfigWindow::onDetectClicked);
    buttons->addWidget(m_detectButton);
    buttons->addStretch();
    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &SystemConfigWindow::onOkClicked);
    buttons->addWidget(m_okButton);
    m_exitButton = new QPushButton(tr("Exit"), this);
    m_exitButton->setObjectName(QStringLiteral("exitButton"));
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(m_exitButton);
    outer->addLayout(buttons);
}

// Shows the stored record; a catalogue that cannot be read leaves the boxes as they are.
void SystemConfigWindow::showStoredPaths()
{
    const QSqlDatabase db = m_ctx.db();
    const Result<Configuration> configuration = CatalogueStore(db).configuration();
    if (!configuration) {
        const bool closed = !db.isOpen() && !m_ctx.dbError().isEmpty();
        reportReadFailure(m_ctx.dialogs, closed ? m_ctx.dbError() : configuration.error());
        return;
    }
    for (auto it = m_pathEdits.begin(); it != m_pathEdits.end(); ++it) {
        const QSignalBlocker blocker(it.value());
        it.value()->setText(configuration->value(it.key()));
    }
    for (const configfields::Field &f : configfields::fields())
        markPath(f);
}

// A path that does not exist or cannot be run gets a tinted box and says why.
void SystemConfigWindow::markPath(const configfields::Field &field)
{
    QLineEdit *edit = m_pathEdits.value(field.path);
    const QString problem = configfields::pathProblem(edit->text(), field.isFolder());
    edit->setToolTip(problem);
    edit->setStyleSheet(problem.isEmpty() ? QString()
                                          : QStringLiteral("QLineEdit { background: #ffd8d0; }"));
}

QStringList SystemConfigWindow::pathProblems() const
{
    QStringList problems;
    for (const configfields::Field &f : configfields::fields()) {
        const QString problem =
            configfields::pathProblem(m_pathEdits.value(f.path)->text(), f.isFolder());
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

void SystemConfigWindow::pickPath(const configfields::Field &field)
{
    const QString text = m_pathEdits.value(field.path)->text();
    // Only the pick of this chooser run counts; a cancelled one leaves the box as it is.
    m_awaitedPick = field.purpose;
    m_ctx.windows.openModal(FileChooserRequest{field.purpose, startFolder(field, text)});
    m_awaitedPick.reset();
}

void SystemConfigWindow::takePick(ChooserPurpose purpose, const QString &path)
{
    if (m_awaitedPick != purpose)
        return;
    for (const configfields::Field &f : configfields::fields())
        if (f.purpose == purpose)
            m_pathEdits.value(f.path)->setText(path);
}

void SystemConfigWindow::onOkClicked()
{
    // Paths that lead nowhere are stored only when the user says so.
    const QStringList problems = pathProblems();
    const QString question = problems.isEmpty()
                                 ? tr("Apply the changes?")
                                 : problems.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                                       tr("Apply the changes anyway?");
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(
            question, problems.isEmpty() ? Dialogs::Icon::Information : Dialogs::Icon::Exclamation,
            tr("Modify")))
        return;
    const QSqlDatabase db = m_ctx.db();
    if (const Outcome saved = CatalogueStore(db).saveConfiguration(typedPaths()); !saved) {
        const bool closed = !db.isOpen() && !m_ctx.dbError().isEmpty();
        const QString error = closed ? m_ctx.dbError() : saved.error();
        m_ctx.dialogs.message(tr("The configuration could not be saved; your changes are still "
                                 "in the window.\n") +
                                  error,
                              Dialogs::Icon::Critical, tr("Error"));
        return;
    }
    showStoredPaths();
    Q_EMIT m_ctx.windows.events().configurationSaved();
}

Configuration SystemConfigWindow::typedPaths() const
{
    Configuration configuration;
    for (auto it = m_pathEdits.begin(); it != m_pathEdits.end(); ++it)
        configuration.value(it.key()) = it.value()->text();
    return configuration;
}

// Fills the empty boxes only; OK stores them as any other change.
void SystemConfigWindow::onDetectClicked()
{
    Configuration configuration = typedPaths();
    const QList<programdetection::Found> found = programdetection::fillEmpty(configuration);
    QStringList lines;
    for (const programdetection::Found &f : found) {
        m_pathEdits.value(f.path)->setText(f.program);
        for (const configfields::Field &field : configfields::fields())
            if (f.path == field.path)
                lines << tr(field.frame) + QStringLiteral(", ") + tr(field.label) +
                             QStringLiteral(": ") + QDir::toNativeSeparators(f.program);
    }
    m_ctx.dialogs.message(found.isEmpty()
                              ? tr("No new emulator or sound player was found on PATH.")
                              : tr("Found:\n%1\n\nThe paths are filled in but not stored yet: "
                                   "OK in System Configuration stores them, Exit drops them.")
                                    .arg(lines.join(u'\n')),
                          Dialogs::Icon::Information, tr("Detect"));
}
