#include "importwindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "gamediff.h"
#include "importfile.h"
#include "opentest.h"
#include "placement.h"
#include "transfer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow
{
namespace
{

constexpr auto kKeepPainted = QEventLoop::ExcludeUserInputEvents;

QListWidget *courierList(const char *name, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    list->setFont(font);
    list->setUniformItemSizes(true);
    return list;
}

QLabel *label(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QPushButton *button(const char *name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

Form1::Form1(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Import New Data"));

    m_list1 = courierList("List1", this);
    m_list2 = courierList("List2", this);
    m_list3 = courierList("List3", this);
    m_select = button("Command1", QStringLiteral("Select ->"), this);
    m_deselect = button("Command4", QStringLiteral("Deselect <-"), this);
    m_new = button("Command5", QStringLiteral("Transfer NEW Games"), this);
    m_selected = button("Command6", QStringLiteral("Transfer ONLY Selected"), this);
    m_all = button("Command7", QStringLiteral("Transfer ALL"), this);
    m_inList = label("Label1", QStringLiteral("Label1"), this);
    m_selectedCount = label("Label3", QStringLiteral("0"), this);
    m_added = label("Label8", QStringLiteral("0"), this);
    m_modified = label("Label9", QStringLiteral("0"), this);
    m_wait = label("Label10", QStringLiteral("WAIT"), this);
    QFont waitFont(QStringLiteral("Times New Roman"));
    waitFont.setStyleHint(QFont::Serif);
    waitFont.setPointSize(16);
    waitFont.setBold(true);
    m_wait->setFont(waitFont);
    m_wait->hide();
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->hide();

    auto *middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(m_select);
    middle->addWidget(m_deselect);
    middle->addStretch();
    auto *counts = new QGridLayout;
    const struct {
        const char *name;
        const char *text;
        QLabel *value;
    } rows[] = {{"Label2", "Games in List:", m_inList},
                {"Label4", "Games Selectedt:", m_selectedCount},
                {"Label5", "Games Added:", m_added},
                {"Label6", "Games Modified:", m_modified}};
    int row = 0;
    for (const auto &r : rows) {
        counts->addWidget(label(r.name, QLatin1String(r.text), this), row, 0);
        counts->addWidget(r.value, row++, 1);
    }
    counts->addWidget(m_wait, row, 0, 1, 2);
    middle->addLayout(counts);
    auto *top = new QHBoxLayout;
    top->addWidget(m_list1, 3);
    top->addLayout(middle, 1);
    top->addWidget(m_list2, 3);
    auto *transfers = new QHBoxLayout;
    transfers->addWidget(m_new);
    transfers->addWidget(m_selected);
    transfers->addWidget(m_all);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 3);
    layout->addWidget(label("Label7", {}, this));
    layout->addWidget(m_list3, 2);
    layout->addWidget(m_progress);
    layout->addLayout(transfers);
    resize(900, 600);

    connect(m_list1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    connect(m_select, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_deselect, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_new, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_selected, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(m_all, &QPushButton::clicked, this, &Form1::Command7_Click);
    centreOnScreen(this);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    m_wait->show();
    show();
    QCoreApplication::processEvents(kKeepPainted);

    QString why;
    bool unfit = false;
    const bool catalogueOk = checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    if (catalogueOk)
        m_file = ImportFile::open(m_ctx.nomef, m_ctx.paths.temp(QStringLiteral("export.mdb")), &why,
                                  &unfit);
    // Read, but no database this program can use: the open test's message comes first.
    if (unfit)
        m_ctx.dialogs.message(QStringLiteral("Database Open Error"));
    if (!m_file) {
        m_wait->setToolTip(catalogueOk ? why : m_ctx.dbError());
        for (QPushButton *b : {m_new, m_selected, m_all})
            b->setEnabled(false);
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("Unable to read from Floppy!"),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    carica();
    m_wait->hide();
}

void Form1::carica()
{
    if (!m_file)
        return;
    const QList<ListEntry> entries = m_file->entries();
    m_list1->setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(m_list1);
        for (const ListEntry &e : entries) {
            auto *item = new QListWidgetItem(e.line);
            item->setData(Qt::UserRole, e.id);
            m_list1->addItem(item);
        }
    }
    m_list1->setUpdatesEnabled(true);
    m_inList->setText(QString::number(m_list1->count()));
}

void Form1::List1_Click()
{
    m_list3->clear();
    const QListWidgetItem *item = m_list1->currentItem();
    if (!item || !m_file)
        return;
    const GameDiff diff = compareGame(m_ctx.db(), m_file->db(), item->data(Qt::UserRole).toInt());
    if (!diff.error.isEmpty()) {
        m_list3->addItem(QStringLiteral("Cannot compare: ") + diff.error);
        return;
    }
    if (diff.isNew) {
        m_list3->addItem(QStringLiteral("NEW GAME"));
        return;
    }
    for (const DiffLine &d : diff.lines) {
        auto *line = new QListWidgetItem(d.text, m_list3);
        line->setData(Qt::UserRole, d.exportId);
    }
}

void Form1::addToCount(QLabel *label, int delta)
{
    label->setText(QString::number(label->text().trimmed().toInt() + delta));
}

void Form1::Command1_Click()
{
    const QListWidgetItem *item = m_list1->currentItem();
    if (m_list1->currentRow() < 0 || !item) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("Select game to SELECT"), Dialogs::Icon::Critical,
                              QStringLiteral("Error"));
        return;
    }
    auto *copy = new QListWidgetItem(item->text(), m_list2);
    copy->setData(Qt::UserRole, item->data(Qt::UserRole));
    addToCount(m_selectedCount, 1);
}

void Form1::Command4_Click()
{
    const int row = m_list2->currentRow();
    if (row < 0) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("Select game to DESELECT"), Dialogs::Icon::Critical,
                              QStringLiteral("Error"));
        return;
    }
    delete m_list2->takeItem(row);
    // Nothing stays highlighted, so a second click does not take another game away.
    m_list2->setCurrentRow(-1);
    addToCount(m_selectedCount, -1);
}

void Form1::Command5_Click()
{
    trasferisci(TransferMode::New);
}

void Form1::Command6_Click()
{
    trasferisci(TransferMode::Selected);
}

void Form1::Command7_Click()
{
    trasferisci(TransferMode::All);
}

void Form1::setBusy(bool busy)
{
    m_busy = busy;
    for (QPushButton *b : {m_select, m_deselect, m_new, m_selected, m_all})
        b->setEnabled(!busy && (m_file || b == m_select || b == m_deselect));
    m_progress->setVisible(busy);
    m_wait->setVisible(busy);
}

void Form1::trasferisci(TransferMode mode)
{
    if (m_busy)
        return;
    const QString question = mode == TransferMode::New ? QStringLiteral("Start tansfert NEW Games?")
                             : mode == TransferMode::Selected
                                 ? QStringLiteral("Start tansfert SELECTED Games?")
                                 : QStringLiteral("Start tansfert ALL Games?");
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(question, Dialogs::Icon::Question, QStringLiteral("Confirm")))
        return;
    if (!m_file) {
        m_ctx.dialogs.beep();
        m_ctx.dialogs.message(QStringLiteral("Unable to read from Floppy!"),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    m_added->setText(QStringLiteral("0"));
    m_modified->setText(QStringLiteral("0"));
    setBusy(true);
    m_progress->setRange(0, 0);
    QCoreApplication::processEvents(kKeepPainted);
    if (!checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue)) {
        setBusy(false);
        return;
    }
    if (mode == TransferMode::New)
        m_list3->clear();
    QList<int> ids;
    if (mode == TransferMode::Selected)
        for (int i = 0; i < m_list2->count(); ++i)
            ids << m_list2->item(i)->data(Qt::UserRole).toInt();

    Transfer transfer(m_ctx.db(), m_file->db());
    transfer.onLog = [this](const QString &line, const TransferResult &sofar) {
        m_list3->addItem(line);
        m_added->setText(QString::number(sofar.added));
        m_modified->setText(QString::number(sofar.modified));
    };
    transfer.onProgress = [this](int done, int total) {
        m_progress->setRange(0, qMax(total, 1));
        m_progress->setValue(done);
        m_list3->scrollToBottom();
        QCoreApplication::processEvents(kKeepPainted);
    };
    const TransferResult result = transfer.run(mode, ids);
    setBusy(false);
    m_ctx.dialogs.beep();
    if (result.ok)
        m_ctx.dialogs.message(QStringLiteral("Trasfer COMPLETED!"), Dialogs::Icon::Information,
                              QStringLiteral("End"));
    else
        m_ctx.dialogs.message(QStringLiteral("The transfer stopped: %1. The %2 games logged "
                                             "before the failure are saved.")
                                  .arg(result.error)
                                  .arg(result.added + result.modified),
                              Dialogs::Icon::Critical, QStringLiteral("Error"));
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace merrow
