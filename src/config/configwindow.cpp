#include "configwindow.h"

#include "appcontext.h"
#include "configrecord.h"
#include "dialogs.h"
#include "opentest.h"
#include "placement.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

Config::Config(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Config"));
    setWindowTitle(QStringLiteral("System Configuration"));

    auto *outer = new QVBoxLayout(this);
    int labelWidth = 0;
    for (const configrecord::Field &f : configrecord::fields())
        labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(QLatin1String(f.label)));
    QGroupBox *frame = nullptr;
    QGridLayout *grid = nullptr;
    for (const configrecord::Field &f : configrecord::fields()) {
        const QString frameTitle = QLatin1String(f.frame);
        if (!frame || frame->title() != frameTitle) {
            frame = new QGroupBox(frameTitle, this);
            grid = new QGridLayout(frame);
            grid->setColumnStretch(1, 1);
            outer->addWidget(frame);
        }
        const QString column = QLatin1String(f.column);
        const int row = grid->rowCount();
        auto *label = new QLabel(QLatin1String(f.label), frame);
        // One label width for all frames, so that the boxes line up.
        label->setMinimumWidth(labelWidth);
        grid->addWidget(label, row, 0);
        auto *edit = new QLineEdit(frame);
        edit->setObjectName(column);
        edit->setMinimumWidth(360);
        grid->addWidget(edit, row, 1);
        auto *button = new QPushButton(QStringLiteral("..."), frame);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
        button->setObjectName(column + QStringLiteral("Pick"));
        button->setToolTip(f.directory ? QStringLiteral("Choose a directory")
                                       : QStringLiteral("Choose a program"));
        connect(button, &QPushButton::clicked, this, [this, column] { pick(column); });
        grid->addWidget(button, row, 2);
        m_boxes.insert(column, edit);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &Config::OK_Click);
    buttons->addWidget(ok);
    auto *esci = new QPushButton(QStringLiteral("Esci"), this);
    esci->setObjectName(QStringLiteral("Esci"));
    connect(esci, &QPushButton::clicked, this, &Config::Esci_Click);
    buttons->addWidget(esci);
    outer->addLayout(buttons);

    Form_Load();
}

void Config::Form_Load()
{
    adjustSize();
    m_ctx.currentform = this;
    centreOnScreen(this);
    if (checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue))
        carica();
}

// Shows the stored record; a catalogue that cannot be read leaves the boxes as they are.
void Config::carica()
{
    QString error;
    const QSqlDatabase db = m_ctx.db();
    const configrecord::Values values = configrecord::load(db, &error);
    if (!db.isOpen() && !m_ctx.dbError().isEmpty())
        error = m_ctx.dbError();
    if (!error.isEmpty()) {
        reportReadFailure(m_ctx.dialogs, error);
        return;
    }
    for (auto it = m_boxes.begin(); it != m_boxes.end(); ++it) {
        const QSignalBlocker blocker(it.value());
        it.value()->setText(values.value(it.key()));
    }
}

void Config::pick(const QString &column)
{
    QLineEdit *edit = m_boxes.value(column);
    if (!edit)
        return;
    for (const configrecord::Field &f : configrecord::fields())
        if (column == QLatin1String(f.column))
            m_ctx.browsemode = QLatin1String(f.mode);
    if (!m_ctx.windows.hasFactory(QStringLiteral("sfoglia")))
        return;
    m_ctx.windows.showModal(QStringLiteral("sfoglia"));
    // A chooser closed without a pick leaves an empty result; the configured path stays
    // rather than being wiped by a cancelled pick.
    if (!m_ctx.browsepath.isEmpty())
        edit->setText(m_ctx.browsepath);
}

void Config::OK_Click()
{
    m_ctx.dialogs.beep();
    if (!m_ctx.dialogs.ask(QStringLiteral("Applicare le modifiche?"), Dialogs::Icon::Information,
                           QStringLiteral("Modifica")))
        return;
    configrecord::Values values;
    for (auto it = m_boxes.begin(); it != m_boxes.end(); ++it)
        values.insert(it.key(), it.value()->text());
    QString error;
    const QSqlDatabase db = m_ctx.db();
    if (!configrecord::store(db, values, &error)) {
        if (!db.isOpen() && !m_ctx.dbError().isEmpty())
            error = m_ctx.dbError();
        m_ctx.dialogs.message(
            QStringLiteral("The configuration could not be saved; your changes are still in "
                           "the window.\n") +
                error,
            Dialogs::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    carica();
}

void Config::Esci_Click()
{
    close();
}
