#pragma once

#include <QList>
#include <QWidget>

class Dialogs;
class DirListBox;
class DriveListBox;
class FileListBox;
class QComboBox;
class QLineEdit;

// One choice of the file filter box: a caption and its patterns ("*.d64;*.t64").
struct FileFilter {
    QString caption;
    QString patterns;
};

// The drive, folder and (optionally) file lists of a browsing window, wired together: a
// drive change opens its root, a folder change lists its files, and a drive or folder that
// cannot be read is reported and left. A box above the lists shows the folder and takes a
// typed or pasted one (or a file's path: its folder); a filter box under the file list
// offers the file kinds.
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

    // The choices of the filter box, the first one in force; the box hides with fewer
    // than two. Without a call every file is listed.
    void setFilters(const QList<FileFilter> &filters);

    DirListBox *folderList() const { return m_folders; }
    FileListBox *fileList() const { return m_files; } // nullptr when hidden

Q_SIGNALS:
    // The user moved to another folder.
    void folderChanged(const QString &folder);
    void fileClicked(const QString &path);
    // A double click on a file, or its path typed into the folder box.
    void fileActivated(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onDriveChanged();
    void onFolderChanged();
    void onFolderTyped();
    bool selectTypedFile(const QString &name);
    void onFilterChosen(int index);

    Dialogs &m_dialogs;
    QList<FileFilter> m_filters;
    QLineEdit *m_folderEdit;
    QComboBox *m_filterBox = nullptr;
    DriveListBox *m_drives;
    DirListBox *m_folders;
    FileListBox *m_files = nullptr;
};
