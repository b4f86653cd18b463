#pragma once

#include "amigarecords.h"

#include <QWidget>

#include <optional>

class FileListBox;
class QLabel;
class QPushButton;
class QRadioButton;
class AppContext;

// The catalogue Amiga player: starts the disks of the game `selectedid` in WinUAE or
// WinFellow, and closes once the emulator runs.
class Form9 : public QWidget
{
    Q_OBJECT
public:
    explicit Form9(AppContext &ctx, QWidget *parent = nullptr);

    // Only a configured emulator can be chosen.
    void caricaformami();

    void Option1_Click();
    void Option2_Click();
    void Command1_Click();

    // Write the configuration of the chosen template and start the emulator; false and a
    // message on failure.
    bool uaeconfig();
    bool fellowconfig();

private:
    void chooseEmulator(AmigaEmulator emulator);
    bool play(AmigaEmulator emulator);

    AppContext &m_ctx;
    AmigaEmulators m_emulators;
    std::optional<AmigaDrives> m_disks;

    QRadioButton *m_option1;
    QRadioButton *m_option2;
    FileListBox *m_file1;
    QPushButton *m_command1;
    QLabel *m_noEmulator;
};
