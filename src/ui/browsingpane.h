#pragma once

#include <QWidget>

class Dialogs;
class DirListBox;
class DriveListBox;
class FileListBox;

// The drive, folder and (optionally) file lists of a browsing window, wired together: a
// drive change opens its root, a folder change lists its files, and a drive or folder that
// cannot be read is reported and left.
class BrowsingPane : public QWidget
{
    Q_OBJECT
public:
    enum class Files { Shown, Hidden };

    BrowsingPane(Dialogs &dialogs, Files files, QWidget *parent = nullptr);

    // Opens folder without raising folderChanged; when it is empty or cannot be read, the
    // root of the first drive opens instead and the result is false.
    bool openAt(const QString &folder);
    QString folder() const;
    // The selected file's full path; empty when none (or without a file list).
    QString selectedFile() const;

    DriveListBox *driveList() const { return m_drives; }
    DirListBox *folderList() const { return m_folders; }
    FileListBox *fileList() const { return m_files; } // nullptr when hidden

Q_SIGNALS:
    // The user moved to another folder.
    void folderChanged(const QString &folder);
    void fileClicked(const QString &path);
    void fileActivated(const QString &path);

private:
    void onDriveChanged();
    void onFolderChanged();

    DriveListBox *m_drives;
    DirListBox *m_folders;
    FileListBox *m_files = nullptr;
};
