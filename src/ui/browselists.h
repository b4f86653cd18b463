#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>

class Dialogs;

// The three browsing controls every browsing window uses. Paths are
// native and absolute; a directory path ends in a separator only when it is a root.
// Changes made by the program raise the same signals as the user's.

// Drives: the system's drives plus mounted volumes.
class DriveListBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveListBox(QWidget *parent = nullptr);
    QString drive() const;
    // Selects the drive (volume root) that holds path; false when path cannot be read.
    bool setDrive(const QString &path);
    void reload();

Q_SIGNALS:
    void changed(const QString &drive);
    // The user chose a drive that cannot be read; the previous one stays selected.
    void unreadable(const QString &drive);

private:
    void onActivated(int index);
    int m_current = -1;
};

// Folders: the chain from the root to the current folder, then its sub-folders.
class DirListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit DirListBox(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    // False, and nothing changes, when the folder does not exist or cannot be read.
    bool setPath(const QString &path);
    void refresh();

Q_SIGNALS:
    void changed(const QString &path);
    void unreadable(const QString &path);

protected:
    // Enter on another folder opens it; on the open one it is left to the window.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onActivated(QListWidgetItem *item);
    QString m_path;
};

// Files of one folder that match the pattern ("*.exe", "*.uae;*.cfg"), sorted by name.
class FileListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    bool setPath(const QString &path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    // Lists only files the user may run (on top of the pattern).
    void setExecutablesOnly(bool on);
    bool executablesOnly() const { return m_executablesOnly; }
    void refresh();

    int listIndex() const { return currentRow(); }
    void setListIndex(int index);
    // Selects the listed file of that name; false when it is not listed.
    bool selectFile(const QString &name);
    QString fileName() const;         // the selected file's name, empty when none
    QString selectedFilePath() const; // folder + separator + name, empty when none

Q_SIGNALS:
    void clicked();
    void doubleClicked();

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    bool m_executablesOnly = false;
};

// Beeps and says that the drive or folder at path cannot be read: one wording for every
// browsing window.
void reportUnreadable(Dialogs &dialogs, const QString &path);
// Lets both browsing controls report a drive or folder they could not open.
void reportUnreadable(Dialogs &dialogs, DriveListBox *drive, DirListBox *dir);

// The folder path and a file name joined by one separator (a root keeps its own).
QString joinPath(const QString &folder, const QString &name);
