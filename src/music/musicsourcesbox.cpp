#include "musicsourcesbox.h"

#include "dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

MusicSourcesBox::MusicSourcesBox(Dialogs &dialogs, QWidget *parent)
    : QGroupBox(tr("Music"), parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("musicSourcesBox"));
    const std::tuple<const char *, QString, QString MusicSources::*> specs[] = {
        {"hvscEdit", tr("HVSC folder"), &MusicSources::hvscFolder},
        {"kernalEdit", tr("KERNAL ROM"), &MusicSources::kernalRom},
        {"basicEdit", tr("BASIC ROM"), &MusicSources::basicRom},
        {"characterEdit", tr("Character ROM"), &MusicSources::characterRom}};
    auto *form = new QFormLayout(this);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const auto &[name, caption, value] = specs[i];
        Row &row = m_rows[i];
        row = {new QLineEdit(this), value};
        row.edit->setObjectName(QLatin1String(name));
        row.edit->setMinimumWidth(32 * row.edit->fontMetrics().averageCharWidth()); // a path
        auto *browse = new QToolButton(this);
        browse->setText(QStringLiteral("..."));
        browse->setToolTip(tr("Choose the %1").arg(caption));
        connect(browse, &QToolButton::clicked, this, [this, i] { pick(m_rows[i]); });
        auto *line = new QHBoxLayout;
        line->addWidget(row.edit, 1);
        line->addWidget(browse);
        form->addRow(caption, line);
    }
    m_rows[0].edit->setToolTip(tr("The folder that holds DOCUMENTS/Songlengths.md5: song "
                                  "lengths and STIL comments"));
}

void MusicSourcesBox::showSources(const MusicSources &sources)
{
    for (const Row &row : m_rows)
        row.edit->setText(sources.*row.value);
}

MusicSources MusicSourcesBox::sources() const
{
    MusicSources sources;
    for (const Row &row : m_rows)
        sources.*row.value = row.edit->text().trimmed();
    return sources;
}

void MusicSourcesBox::pick(const Row &row)
{
    const QString title = tr("Music");
    const QString picked = row.value == &MusicSources::hvscFolder
                               ? m_dialogs.chooseFolder(title, row.edit->text())
                               : m_dialogs.chooseFile(title, row.edit->text());
    if (!picked.isEmpty())
        row.edit->setText(picked);
}
