#include "disklistbox.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

DiskListBox::DiskListBox(QWidget *parent)
    : QGroupBox(tr("Further Disks"), parent), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("moreDisksBox"));
    m_list->setObjectName(QStringLiteral("moreDiskList"));
    // A few disks show without scrolling; long sets scroll.
    m_list->setFixedHeight(m_list->fontMetrics().lineSpacing() * 4 + 8);
    auto *buttons = new QVBoxLayout;
    QPushButton *add = addButton(tr("Add..."), "addDiskButton");
    m_removeButton = addButton(tr("Remove"), "removeDiskButton");
    m_upButton = addButton(tr("Move Up"), "diskUpButton");
    m_downButton = addButton(tr("Move Down"), "diskDownButton");
    for (QPushButton *b : {add, m_removeButton, m_upButton, m_downButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &DiskListBox::addClicked);
    connect(m_removeButton, &QPushButton::clicked, this, &DiskListBox::removeCurrent);
    connect(m_upButton, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(m_downButton, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(m_list, &QListWidget::currentRowChanged, this, &DiskListBox::updateButtons);
    updateButtons();
}

QPushButton *DiskListBox::addButton(const QString &caption, const char *objectName)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QStringList DiskListBox::disks() const
{
    QStringList disks;
    for (int row = 0; row < m_list->count(); ++row)
        disks << m_list->item(row)->text();
    return disks;
}

void DiskListBox::setDisks(const QStringList &disks)
{
    m_list->clear();
    m_list->addItems(disks);
    updateButtons();
}

void DiskListBox::appendDisk(const QString &path)
{
    m_list->addItem(path);
    m_list->setCurrentRow(m_list->count() - 1);
}

void DiskListBox::removeCurrent()
{
    delete m_list->takeItem(m_list->currentRow());
    updateButtons();
}

void DiskListBox::moveCurrent(int step)
{
    const int row = m_list->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_list->count())
        return;
    m_list->insertItem(target, m_list->takeItem(row));
    m_list->setCurrentRow(target);
}

void DiskListBox::updateButtons()
{
    const int row = m_list->currentRow();
    m_removeButton->setEnabled(row >= 0);
    m_upButton->setEnabled(row > 0);
    m_downButton->setEnabled(row >= 0 && row + 1 < m_list->count());
}
