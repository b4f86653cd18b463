#pragma once

#include "c64playerwindow.h"

class DirListBox;
class DriveListBox;
class FileListBox;

// The free C64 player: browse the file system and start any file in an emulator.
class Form5 : public C64PlayerWindow
{
    Q_OBJECT
public:
    explicit Form5(AppContext &ctx, QWidget *parent = nullptr);

    void File1_Click();
    void Dir1_Change();
    void Drive1_Change();
    void NmButton5_Click();

protected:
    QString buttonGameFile() const override;

private:
    void Form_Load();

    DriveListBox *Drive1;
    DirListBox *Dir1;
    FileListBox *File1;
    QLineEdit *Text1;
    // The file this window shows, so that another player changing gamefile does not
    // change what these buttons start.
    QString m_gamefile;
};
