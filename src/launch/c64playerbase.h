#pragma once

#include "configuration.h"
#include "game.h"
#include "setimport.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QVBoxLayout;
class AppContext;
struct ImageListing;
enum class C64Emulator;

// What the two C64 players share: the emulator buttons, the image directory display and
// the configuration record.
class C64PlayerBase : public QWidget
{
    Q_OBJECT
protected:
    C64PlayerBase(AppContext &ctx, QWidget *parent);

    AppContext &context() const { return m_ctx; }
    const std::array<QPushButton *, 4> &emulatorButtons() const { return m_emulatorButtons; }
    // Says where to set an emulator; shown while none is configured.
    QLabel *noEmulatorLabel() const { return m_noEmulatorLabel; }
    // The open test, the configuration, then the button of every configured emulator shown
    // and the others hidden (the notice when none is left).
    void loadConfiguration();
    // The image display (file, name and ID, directory, blocks free) for the window's layout.
    QVBoxLayout *imageLayout();
    // The file the emulator buttons start: a D64 or T64 image is listed, any other file
    // clears the display. Of an archive the start image (setGameStart), else the first C64
    // image is listed, with a choice of image when it holds several. A start counts as a play of
    // game (0: a file from elsewhere).
    void showPlayFile(const QString &path, GameId game = 0);
    // The set's disks after the play file, which VICE gets in its fliplist.
    void setMoreDisks(const QStringList &disks) { m_moreDisks = disks; }
    // Where the next play file starts: the image of its archive shown first, and the
    // program preselected in that image's directory.
    void setGameStart(const GameStart &start) { m_start = start; }
    QString playFile() const { return m_playFile; }
    // Beeps and shows the text as an error.
    void reportFailure(const QString &text);

private:
    void showConfiguredEmulators();
    std::optional<C64Emulator> firstConfiguredEmulator() const;
    void startEmulator(C64Emulator emulator);
    void startEntry(QListWidgetItem *item);
    void showListing(const ImageListing &listing);
    void clearListing(const QString &path);
    void showArchive(const QString &path);
    void showArchiveImage(int choice);
    void setListingEnabled(bool enabled);
    void preselectStartProgram();

    AppContext &m_ctx;
    QListWidget *m_directoryList;
    QLineEdit *m_diskNameEdit;
    QLineEdit *m_diskIdEdit;
    QLabel *m_imageFileLabel;
    QLabel *m_blocksFreeLabel;
    QLabel *m_noEmulatorLabel;
    QComboBox *m_imageChoice;
    std::array<QPushButton *, 4> m_emulatorButtons{};
    Configuration m_config;
    QString m_playFile;
    GameId m_playedGame = 0;
    int m_archiveEntry = -1; // the chosen image of an archive; -1 for a plain file
    QStringList m_moreDisks;
    GameStart m_start;
    int m_startChoice = 0; // the image choice that m_start's program belongs to
    bool m_showsStartImage = false;
};
