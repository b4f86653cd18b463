#include "pathchooser.h"

#include "appcontext.h"
#include "browselists.h"
#include "dialogs.h"
#include "fileops.h"
#include "placement.h"

#include <QDir>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow
{

sfoglia::sfoglia(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("sfoglia"));
    setWindowTitle(QStringLiteral("Select Path "));
    m_drive = new DriveListBox(this);
    m_drive->setObjectName(QStringLiteral("Drive1"));
    m_dir = new DirListBox(this);
    m_dir->setObjectName(QStringLiteral("Dir1"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_drive);
    layout->addWidget(m_dir, 1);
    layout->addWidget(m_ok);
    resize(320, 360);

    connect(m_drive, &DriveListBox::changed, this, &sfoglia::Drive1_Change);
    connect(m_dir, &DirListBox::changed, this, &sfoglia::Dir1_Change);
    reportUnreadable(m_ctx.dialogs, m_drive, m_dir);
    connect(m_ok, &QPushButton::clicked, this, &sfoglia::Command1_Click);
    Form_Load();
    centreOnScreen(this);
}

void sfoglia::Form_Load()
{
    if (m_ctx.cosa == QLatin1String("exp"))
        setWindowTitle(QStringLiteral("Select Export Path"));
    else if (m_ctx.cosa == QLatin1String("imp"))
        setWindowTitle(QStringLiteral("Select Import Path"));
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    {
        // The folder is set right after; the drive's own change must not race it.
        const QSignalBlocker blocker(m_drive);
        m_drive->setDrive(root);
    }
    m_dir->setPath(root);
}

void sfoglia::Drive1_Change(const QString &drive)
{
    if (m_dir->setPath(drive))
        return;
    reportUnreadable(m_ctx.dialogs, drive);
    const QSignalBlocker blocker(m_drive);
    m_drive->setDrive(m_dir->path());
}

void sfoglia::Dir1_Change(const QString &) {}

void sfoglia::Command1_Click()
{
    AppContext &ctx = m_ctx;
    if (m_dir->path().isEmpty()) {
        reportUnreadable(m_ctx.dialogs, QString());
        return;
    }
    ctx.nomef = exportFilePath(m_dir->path());
    close();
    if (ctx.cosa == QLatin1String("exp"))
        ctx.windows.show(QStringLiteral("Form2"));
    else if (ctx.cosa == QLatin1String("imp"))
        ctx.windows.show(QStringLiteral("Form1"));
}

} // namespace merrow
