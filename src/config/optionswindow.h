#pragma once

#include <QWidget>

class AppContext;
class MusicSourcesBox;
class QCheckBox;
class QPushButton;

// "Vantrel Configuration": the main window's two layout modes, whether the Amiga emulators
// show their own interface (named as configured) and the music's HVSC folder and C64 ROMs.
// OK writes them into the program settings (the music's into the user's settings) and
// reports WindowEvents::settingsChanged.
class OptionsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit OptionsWindow(AppContext &ctx, QWidget *parent = nullptr);

private:
    void nameEmulators();
    void showSettings();
    void onOkClicked();

    AppContext &m_ctx;
    QCheckBox *m_creditsCheck;
    QCheckBox *m_screenshotsCheck;
    QCheckBox *m_fellowGuiCheck;
    QCheckBox *m_uaeGuiCheck;
    MusicSourcesBox *m_musicBox;
    QPushButton *m_okButton;
    QPushButton *m_exitButton;
};
