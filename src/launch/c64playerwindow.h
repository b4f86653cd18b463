#pragma once

#include "c64commandline.h"

#include <QSqlRecord>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class AppContext;
struct ImageListing;

// What the two C64 player windows share: the emulator buttons, the image directory
// display and the configuration record read at load.
class C64PlayerWindow : public QWidget
{
    Q_OBJECT
public:
    void NmButton1_Click() { startEmulator(C64Emulator::Ccs64); }
    void NmButton2_Click() { startEmulator(C64Emulator::Vice); }
    void NmButton3_Click() { startEmulator(C64Emulator::C64s); }
    void NmButton4_Click() { startEmulator(C64Emulator::Pc64); }

    // The short form of a path for the command lines; quotation marks around it are
    // looked through.
    static QString nomecortox(const QString &path);

protected:
    C64PlayerWindow(AppContext &ctx, QWidget *parent);

    // The open test, then the configuration record (the first row of tabella2).
    void loadConfiguration();
    // Shows the button of every configured emulator and hides the others; the layout
    // closes up the gaps.
    void caricaform64();
    // The image display (file, name and ID, directory, blocks free) for the window's layout.
    QVBoxLayout *imageLayout();
    // Lists a D64 or T64 image, or clears the display for any other file.
    void showGameFile(const QString &path);
    // The file the emulator buttons start.
    virtual QString buttonGameFile() const = 0;

    AppContext &m_ctx;
    QListWidget *List1;
    QLineEdit *txtDiskName;
    QLineEdit *txtDiskID;
    QLabel *lblD64File;
    QLabel *lblBlocksFree;
    std::array<QPushButton *, 4> m_emulatorButtons{};

private:
    void startEmulator(C64Emulator emulator);
    void showListing(const ImageListing &listing);
    void failure(const QString &text);

    QSqlRecord m_config;
};
