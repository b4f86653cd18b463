#include "relinkwindow.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "database.h"
#include "dialogs.h"
#include "missingfiles.h"
#include "missingfileslisting.h"
#include "placement.h"
#include "windowregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace
{

enum PrefixColumn { OldFolder, Missing, NewFolder };

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// Runs the plan on a connection of the worker's own.
Result<RelinkReport> relinkOnWorker(const QString &catalogue, const RelinkPlan &plan, bool dryRun,
                                    Progress &progress)
{
    const auto connection = catalogue::Connection::open(catalogue);
    if (!connection)
        return connection.failure();
    CatalogueStore store((*connection)->db());
    return Relinker(store).relink(plan, dryRun, progress);
}

} // namespace

RelinkWindow::RelinkWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_listing(new MissingFilesListing(ctx.paths.catalogue, this)),
      m_prefixes(new QStandardItemModel(0, 3, this))
{
    setObjectName(QStringLiteral("relinkWindow"));
    setWindowTitle(tr("Relink Files"));
    m_prefixes->setHorizontalHeaderLabels({tr("Old folder"), tr("Missing"), tr("New folder")});
    buildLayout();
    connect(&m_job, &Job::progressed, this, [this](qint64 done, qint64 total) {
        m_progress->setMaximum(int(total));
        m_progress->setValue(int(done));
    });
    connect(&m_job, &Job::finished, this, &RelinkWindow::finished);
    connect(m_listing, &MissingFilesListing::listed, this, &RelinkWindow::showMissing);
    loadMissing();
}

void RelinkWindow::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    m_missingLabel = new QLabel(this);
    m_missingLabel->setObjectName(QStringLiteral("missingLabel"));
    m_missingLabel->setWordWrap(true);
    layout->addWidget(m_missingLabel);
    m_prefixView = new QTreeView(this);
    m_prefixView->setObjectName(QStringLiteral("prefixView"));
    m_prefixView->setModel(m_prefixes);
    m_prefixView->setRootIsDecorated(false);
    m_prefixView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_prefixView, &QTreeView::doubleClicked, this, &RelinkWindow::chooseNewFolder);
    layout->addWidget(m_prefixView, 1);
    auto *choices = new QHBoxLayout;
    QPushButton *newFolder = button(tr("Choose &New Folder…"), "newFolderButton", this);
    QPushButton *search = button(tr("&Search in Folder…"), "searchButton", this);
    connect(newFolder, &QPushButton::clicked, this, &RelinkWindow::chooseNewFolder);
    connect(search, &QPushButton::clicked, this, &RelinkWindow::chooseSearchFolder);
    m_searchLabel = new QLabel(this);
    m_searchLabel->setObjectName(QStringLiteral("searchLabel"));
    choices->addWidget(newFolder);
    choices->addWidget(search);
    choices->addWidget(m_searchLabel, 1);
    layout->addLayout(choices);
    m_previewLabel = new QLabel(this);
    m_previewLabel->setObjectName(QStringLiteral("previewLabel"));
    layout->addWidget(m_previewLabel);
    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QStringLiteral("reportView"));
    m_report->setReadOnly(true);
    m_report->hide();
    layout->addWidget(m_report, 1);
    auto *buttons = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("relinkProgress"));
    m_progress->hide();
    buttons->addWidget(m_progress, 1);
    m_relinkButton = button(tr("&Relink"), "relinkButton", this);
    m_relinkButton->setEnabled(false);
    m_cancelButton = button(tr("Cancel"), "cancelButton", this);
    m_cancelButton->setEnabled(false);
    QPushButton *close = button(tr("Close"), "closeButton", this);
    connect(m_relinkButton, &QPushButton::clicked, this, [this] { start(false); });
    connect(m_cancelButton, &QPushButton::clicked, &m_job, &Job::cancel);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *b : {m_relinkButton, m_cancelButton, close})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    closeOnEscape(this);
    resize(720, 480);
}

void RelinkWindow::loadMissing()
{
    m_missingLabel->setText(tr("Looking for the catalogue's files…"));
    m_listing->load();
}

void RelinkWindow::showMissing()
{
    const Result<QList<MissingFile>> &missing = m_listing->result();
    if (!missing) {
        m_missingLabel->setText(missing.error());
        return;
    }
    m_missing = missing->size();
    QStringList paths;
    QStringList sample;
    for (const MissingFile &file : *missing) {
        paths << file.path;
        const QString folder = QFileInfo(QString(file.path).replace(u'\\', u'/')).path();
        if (sample.size() < 5 && !sample.contains(folder))
            sample << folder;
    }
    if (m_missing == 0)
        m_missingLabel->setText(tr("No file of the catalogue is missing."));
    else if (m_missing == 1)
        m_missingLabel->setText(tr("1 file is missing, in %1").arg(sample.value(0)));
    else
        m_missingLabel->setText(tr("%1 files are missing, in folders such as:\n%2")
                                    .arg(m_missing)
                                    .arg(sample.join(u'\n')));
    m_prefixes->removeRows(0, m_prefixes->rowCount());
    for (const Relinker::SharedPrefix &shared : Relinker::sharedPrefixes(paths))
        m_prefixes->appendRow({new QStandardItem(shared.prefix),
                               new QStandardItem(QString::number(shared.count)),
                               new QStandardItem()});
    m_prefixView->resizeColumnToContents(OldFolder);
}

void RelinkWindow::chooseNewFolder()
{
    const QModelIndex current = m_prefixView->currentIndex();
    if (!current.isValid() || m_job.isRunning())
        return;
    const QString folder = m_ctx.dialogs.chooseFolder(
        tr("New Place of %1").arg(m_prefixes->item(current.row(), OldFolder)->text()),
        QDir::homePath());
    if (folder.isEmpty())
        return;
    m_prefixes->item(current.row(), NewFolder)->setText(folder);
    start(true);
}

void RelinkWindow::chooseSearchFolder()
{
    if (m_job.isRunning())
        return;
    const QString folder = m_ctx.dialogs.chooseFolder(tr("Search in Folder"), QDir::homePath());
    if (folder.isEmpty())
        return;
    m_searchFolder = folder;
    m_searchLabel->setText(QDir::toNativeSeparators(folder));
    start(true);
}

RelinkPlan RelinkWindow::plan() const
{
    RelinkPlan plan;
    for (int row = 0; row < m_prefixes->rowCount(); ++row)
        if (const QString to = m_prefixes->item(row, NewFolder)->text(); !to.isEmpty())
            plan.mappings << PrefixMapping(m_prefixes->item(row, OldFolder)->text(), to);
    plan.searchFolder = m_searchFolder;
    return plan;
}

void RelinkWindow::start(bool dryRun)
{
    m_dryRun = dryRun;
    m_relinkButton->setEnabled(false);
    m_cancelButton->setEnabled(!dryRun);
    m_progress->setVisible(!dryRun);
    m_previewLabel->setText(dryRun ? tr("Looking…") : tr("Relinking…"));
    m_job.start([catalogue = m_ctx.paths.catalogue, plan = plan(), dryRun](Progress &progress) {
        return relinkOnWorker(catalogue, plan, dryRun, progress);
    });
}

void RelinkWindow::finished()
{
    const Result<RelinkReport> &result = m_job.result();
    m_progress->hide();
    m_cancelButton->setEnabled(false);
    if (!result) {
        m_previewLabel->setText(result.error());
        m_relinkButton->setEnabled(!plan().mappings.isEmpty() || !m_searchFolder.isEmpty());
        return;
    }
    const RelinkReport &report = *result;
    if (m_dryRun) {
        m_previewLabel->setText(
            tr("%1 of %2 missing paths would be found.").arg(report.relinked).arg(m_missing));
        m_relinkButton->setEnabled(report.relinked > 0);
        return;
    }
    if (report.cancelled) {
        m_previewLabel->setText(tr("Cancelled: nothing was changed."));
        m_relinkButton->setEnabled(true);
        return;
    }
    QStringList lines;
    for (const PathChange &change : report.changes)
        lines << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(change.game)
                     .arg(MissingFiles::whatChanged(change), change.oldPath, change.newPath);
    m_report->setPlainText(lines.join(u'\n'));
    m_report->show();
    m_previewLabel->setText(tr("Relinked %1, still missing %2, ambiguous %3.")
                                .arg(report.relinked)
                                .arg(report.missing)
                                .arg(report.ambiguous));
    Q_EMIT m_ctx.windows.events().gamesChanged();
    loadMissing();
}
