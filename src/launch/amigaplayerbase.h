#pragma once

#include "amigalinerules.h"
#include "configuration.h"

#include <QWidget>

class FileListBox;
class QHBoxLayout;
class QPushButton;
class QRadioButton;
class AppContext;

// What the two Amiga players share: the WinUAE and WinFellow options, the template list of
// the chosen emulator, and the PLAY button that writes the configuration and starts the
// emulator. Failures are reported to the user here.
class AmigaPlayerBase : public QWidget
{
    Q_OBJECT
protected:
    AmigaPlayerBase(AppContext &ctx, QWidget *parent);

    AppContext &context() const { return m_ctx; }
    QHBoxLayout *emulatorOptionsLayout();
    FileListBox *templateList() const { return m_templateList; }
    QPushButton *playButton() const { return m_playButton; }
    // The emulators of the configuration after the open test; only a configured emulator
    // can be chosen. False when the catalogue could not be read (the user has
    // been told).
    bool loadEmulators();
    bool hasEmulator() const;

    // PLAY with an emulator chosen.
    virtual void play(AmigaEmulator emulator) = 0;
    // Writes the configuration from the selected template and starts the emulator on it.
    // A missing program or disk is named; any other failure beeps and shows "Select
    // Emulator and Configuration". False on a failure.
    bool writeAndStart(AmigaEmulator emulator, const AmigaDrives &drives,
                       const QStringList &moreDisks = {});
    void reportStartFailure(const QString &reason);

private:
    QString executable(AmigaEmulator emulator) const;
    QString programName(AmigaEmulator emulator) const;
    void chooseEmulator(AmigaEmulator emulator);
    bool showTemplates(AmigaEmulator emulator);
    void playChosenEmulator();

    AppContext &m_ctx;
    Configuration m_config;
    QRadioButton *m_uaeOption;
    QRadioButton *m_fellowOption;
    FileListBox *m_templateList;
    QPushButton *m_playButton;
};
