#pragma once

#include "amigarecords.h"

#include <QWidget>

#include <array>

class DirListBox;
class DriveListBox;
class FileListBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class AppContext;

// The free Amiga player: disk files picked from the file system go into the drives DF0 to
// DF3 and start in WinUAE or WinFellow; the window stays open for the next start.
class amiplayer : public QWidget
{
    Q_OBJECT
public:
    explicit amiplayer(AppContext &ctx, QWidget *parent = nullptr);

    void caricaformami();

    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void File1_DblClick();
    void Dir1_Change();
    void Drive1_Change();

    bool uaeconfig();
    bool fellowconfig();

private:
    void buildControls();
    void openStartFolder();
    void chooseEmulator(AmigaEmulator emulator);
    bool play(AmigaEmulator emulator);

    AppContext &m_ctx;
    AmigaEmulators m_emulators;

    DriveListBox *m_drive1;
    DirListBox *m_dir1;
    FileListBox *m_file1;
    QLabel *m_label5;
    std::array<QLineEdit *, 4> m_drives; // Text1..Text4: DF0..DF3
    QRadioButton *m_option1;
    QRadioButton *m_option2;
    FileListBox *m_file2;
    QPushButton *m_command1;
    QPushButton *m_command2;
    QPushButton *m_command3;
};
