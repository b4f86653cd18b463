#include "missingfileswindow.h"

#include "appcontext.h"
#include "missingfileslisting.h"
#include "missingfilesmodel.h"
#include "placement.h"
#include "windowregistry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

MissingFilesWindow::MissingFilesWindow(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx),
      m_listing(new MissingFilesListing(ctx.paths.catalogue, this)),
      m_model(new MissingFilesModel(this)), m_sorted(new QSortFilterProxyModel(this))
{
    setObjectName(QStringLiteral("missingFilesWindow"));
    setWindowTitle(tr("Missing Files"));
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(MissingFilesModel::sortRole);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    buildLayout();
    connect(m_listing, &MissingFilesListing::listed, this, &MissingFilesWindow::loaded);
    WindowEvents &events = m_ctx.windows.events();
    connect(&events, &WindowEvents::gamesChanged, this, &MissingFilesWindow::load);
    connect(&events, &WindowEvents::gameSaved, this, &MissingFilesWindow::load);
    connect(&events, &WindowEvents::configurationSaved, this, &MissingFilesWindow::load);
    load();
}

void MissingFilesWindow::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("missingStatus"));
    layout->addWidget(m_status);
    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("missingView"));
    m_view->setModel(m_sorted);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(MissingFilesModel::Id, Qt::AscendingOrder);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_view, &QTreeView::activated, this, &MissingFilesWindow::openRow);
    layout->addWidget(m_view, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    closeOnEscape(this);
    resize(760, 440);
}

void MissingFilesWindow::load()
{
    m_status->setText(tr("Looking for the catalogue's files…"));
    m_listing->load();
}

void MissingFilesWindow::loaded()
{
    const Result<QList<MissingFile>> &missing = m_listing->result();
    if (!missing) {
        m_status->setText(missing.error());
        return;
    }
    m_model->setFiles(*missing);
    m_view->resizeColumnToContents(MissingFilesModel::Id);
    m_view->resizeColumnToContents(MissingFilesModel::What);
    const auto count = missing->size();
    m_status->setText(count == 0   ? tr("No file of the catalogue is missing.")
                      : count == 1 ? tr("1 file is missing.")
                                   : tr("%1 files are missing.").arg(count));
}

void MissingFilesWindow::openRow(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const GameId game = m_model->gameAt(m_sorted->mapToSource(index).row());
    if (game == 0)
        m_ctx.windows.show(WindowKey::SystemConfig);
    else
        m_ctx.windows.open(RecordEditorRequest{int(game), EditMode::Modify});
}
