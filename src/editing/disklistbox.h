#pragma once

#include <QGroupBox>
#include <QStringList>

class QListWidget;
class QPushButton;

// The disks of a game's set beyond its game file and drives, in the order the emulators
// get them: added through the file chooser, removed, moved up and down.
class DiskListBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit DiskListBox(QWidget *parent = nullptr);

    QStringList disks() const;
    void setDisks(const QStringList &disks);
    // Adds a disk at the end and selects it.
    void appendDisk(const QString &path);

Q_SIGNALS:
    // "Add" was pressed: the window lets the user pick a file.
    void addClicked();

private:
    QPushButton *addButton(const QString &caption, const char *objectName);
    void removeCurrent();
    void moveCurrent(int step);
    void updateButtons();

    QListWidget *m_list;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_upButton = nullptr;
    QPushButton *m_downButton = nullptr;
};
