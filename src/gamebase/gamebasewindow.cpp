#include "gamebasewindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "placement.h"
#include "windowregistry.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

GameBaseWindow::GameBaseWindow(AppContext &ctx, QString reader, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_reader(std::move(reader))
{
    setObjectName(QStringLiteral("gameBaseWindow"));
    setWindowTitle(tr("Import GameBase"));
    buildLayout();
    connect(&m_job, &Job::progressed, this, [this](qint64 done, qint64 total) {
        m_progress->setMaximum(int(total));
        m_progress->setValue(int(done));
    });
    connect(&m_job, &Job::finished, this, &GameBaseWindow::finished);
}

QLineEdit *GameBaseWindow::addPathRow(QFormLayout *form, const QString &label, const char *name,
                                      PathKind kind)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    const QByteArray chooserName = QByteArray(name) + "Button";
    QPushButton *choose = button(tr("…"), chooserName.constData(), this);
    connect(choose, &QPushButton::clicked, this, [this, edit, label, kind] {
        const QString title = QString(label).remove(u'&').remove(u':');
        const QString start = edit->text().isEmpty() ? QDir::homePath() : edit->text();
        const QString path =
            kind == PathKind::Folder
                ? m_ctx.dialogs.chooseFolder(title, start)
                : m_ctx.dialogs.chooseCatalogueFile(title, start, Dialogs::FileUse::Open);
        if (!path.isEmpty())
            edit->setText(path);
    });
    // A changed input needs a new preview before it is imported.
    connect(edit, &QLineEdit::textChanged, this, [this] { m_importButton->setEnabled(false); });
    auto *row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(choose);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(edit);
    form->addRow(caption, row);
    return edit;
}

void GameBaseWindow::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_file = addPathRow(form, tr("GameBase &database:"), "gameBaseFile", PathKind::File);
    m_games = addPathRow(form, tr("&Games folder:"), "gameBaseGames", PathKind::Folder);
    m_music = addPathRow(form, tr("&Music folder (C64Music):"), "gameBaseMusic", PathKind::Folder);
    m_screens = addPathRow(form, tr("&Screenshots folder:"), "gameBaseScreens", PathKind::Folder);
    m_machine = new QComboBox(this);
    m_machine->setObjectName(QStringLiteral("gameBaseMachine"));
    m_machine->addItems(gameBaseMachines());
    form->addRow(tr("M&achine:"), m_machine);
    layout->addLayout(form);
    m_report = new QLabel(this);
    m_report->setObjectName(QStringLiteral("reportLabel"));
    m_report->setWordWrap(true);
    m_report->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_report, 1);
    auto *buttons = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("importProgress"));
    m_progress->hide();
    buttons->addWidget(m_progress, 1);
    m_previewButton = button(tr("&Preview"), "previewButton", this);
    m_importButton = button(tr("&Import"), "importButton", this);
    m_importButton->setEnabled(false);
    m_cancelButton = button(tr("Cancel"), "cancelButton", this);
    m_cancelButton->setEnabled(false);
    QPushButton *close = button(tr("Close"), "closeButton", this);
    connect(m_previewButton, &QPushButton::clicked, this, [this] { start(true); });
    connect(m_importButton, &QPushButton::clicked, this, [this] { start(false); });
    connect(m_cancelButton, &QPushButton::clicked, &m_job, &Job::cancel);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *b : {m_previewButton, m_importButton, m_cancelButton, close})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    closeOnEscape(this);
    resize(640, 420);
    centreOnScreen(this);
}

GameBaseCommand GameBaseWindow::command() const
{
    GameBaseCommand c;
    c.file = m_file->text().trimmed();
    c.folders = {m_games->text().trimmed(), m_music->text().trimmed(), m_screens->text().trimmed(),
                 m_machine->currentText()};
    c.dryRun = m_dryRun;
    return c;
}

void GameBaseWindow::start(bool dryRun)
{
    if (m_job.isRunning())
        return;
    m_dryRun = dryRun;
    for (QPushButton *b : {m_previewButton, m_importButton})
        b->setEnabled(false);
    m_cancelButton->setEnabled(true);
    m_progress->setValue(0);
    m_progress->show();
    m_report->setText(dryRun ? tr("Reading…") : tr("Importing…"));
    legacy::ReaderRun run;
    run.program = m_reader;
    m_job.start([command = command(), catalogue = m_ctx.paths.catalogue, temp = m_ctx.paths.tempDir,
                 run](Progress &progress) {
        return runGameBaseImport(command, catalogue, temp, progress, run);
    });
}

void GameBaseWindow::finished()
{
    const Result<GameBaseReport> &result = m_job.result();
    m_progress->hide();
    m_cancelButton->setEnabled(false);
    m_previewButton->setEnabled(true);
    if (m_job.isCancelled() || (result && result->import.cancelled)) {
        m_report->setText(tr("Cancelled: nothing was changed."));
        return;
    }
    if (!result) {
        m_report->setText(result.error());
        return;
    }
    QStringList lines = GameBaseImport::summary(*result);
    if (m_dryRun)
        lines.prepend(tr("The import would bring:"));
    m_report->setText(lines.join(u'\n'));
    m_importButton->setEnabled(m_dryRun);
    if (!m_dryRun)
        Q_EMIT m_ctx.windows.events().gamesChanged();
}
