#pragma once

#include "choosermodes.h"

#include <QWidget>

class AppContext;
class DriveListBox;
class DirListBox;
class FileListBox;
class QFrame;
class QLabel;
class QPushButton;

// sfoglia: the file and folder chooser. The caller's browsemode decides caption, width,
// filter and start folder; the result goes to browsepath, and the four store modes also
// write it into the selected game.
class sfoglia : public QWidget
{
    Q_OBJECT
public:
    explicit sfoglia(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    // Shown again for another request while open: loads afresh for it.
    void Form_Activate();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();

    const ChooserMode &mode() const { return m_mode; }
    int diskCounter() const { return m_diskCounter; }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool positionOn(const QString &folder);
    void applyWidth();
    void clearPreview();
    void closeLater();
    bool store(const QString &result);

    AppContext &m_ctx;
    ChooserMode m_mode;
    QString m_loadedStartdir;
    int m_loadedId = 0;
    int m_diskCounter = 0;
    bool m_delivered = false;

    DriveListBox *m_drive;
    DirListBox *m_dir;
    FileListBox *m_file;
    QPushButton *m_ok;
    QFrame *m_frame;
    QLabel *m_image;
};
