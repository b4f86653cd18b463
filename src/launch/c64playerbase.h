#pragma once

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
enum class C64Emulator;

// What the two C64 players share: the emulator buttons, the image directory display and
// the configuration record.
class C64PlayerBase : public QWidget
{
    Q_OBJECT
public:
    // The short form of a game file for the command lines; quotation marks around it are
    // looked through.
    static QString imageShortPath(const QString &path);

protected:
    C64PlayerBase(AppContext &ctx, QWidget *parent);

    AppContext &context() const { return m_ctx; }
    const std::array<QPushButton *, 4> &emulatorButtons() const { return m_emulatorButtons; }
    // The open test, the configuration record (the first row of tabella2), then the
    // button of every configured emulator shown and the others hidden.
    void loadConfiguration();
    // The image display (file, name and ID, directory, blocks free) for the window's layout.
    QVBoxLayout *imageLayout();
    // The file the emulator buttons start: a D64 or T64 image is listed, any other file
    // clears the display.
    void showPlayFile(const QString &path);
    QString playFile() const { return m_playFile; }

private:
    void showConfiguredEmulators();
    void startEmulator(C64Emulator emulator);
    void showListing(const ImageListing &listing);
    void setListingEnabled(bool enabled);
    void reportFailure(const QString &text);

    AppContext &m_ctx;
    QListWidget *m_directoryList;
    QLineEdit *m_diskNameEdit;
    QLineEdit *m_diskIdEdit;
    QLabel *m_imageFileLabel;
    QLabel *m_blocksFreeLabel;
    std::array<QPushButton *, 4> m_emulatorButtons{};
    QSqlRecord m_config;
    QString m_playFile;
};
