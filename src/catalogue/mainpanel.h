#pragma once

#include <QString>

// What other windows may set on the main window directly: the file lamps, the two
// screenshots and the two layout modes. The main window implements it; tests fake it.
class MainPanel
{
public:
    virtual ~MainPanel() = default;

    virtual void setGameLamp(bool present) = 0;  // Picture3
    virtual void setMusicLamp(bool present) = 0; // Picture4
    // which = 1 loads Image2 from screen1 (Label9), which = 2 loads Image1 (Label10).
    virtual void showScreenshot(int which, const QString &path) = 0;

    virtual bool showGameCredits() const = 0; // the tall window
    virtual void setShowGameCredits(bool on) = 0;
    virtual bool showScreenshots() const = 0; // the narrow list
    virtual void setShowScreenshots(bool on) = 0;
};
