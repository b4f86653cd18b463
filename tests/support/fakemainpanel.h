#pragma once

#include "mainpanel.h"

#include <QStringList>

// Stands in for the main window where a test opens another window on its own.
class FakeMainPanel : public MainPanel
{
public:
    void setGameLamp(bool present) override { gameLamp = present; }
    void setMusicLamp(bool present) override { musicLamp = present; }
    void showScreenshot(int which, const QString &path) override
    {
        (which == 1 ? screenshot1 : screenshot2) = path;
    }
    bool showGameCredits() const override { return credits; }
    void setShowGameCredits(bool on) override { credits = on; }
    bool showScreenshots() const override { return screenshots; }
    void setShowScreenshots(bool on) override { screenshots = on; }

    bool gameLamp = false;
    bool musicLamp = false;
    QString screenshot1;
    QString screenshot2;
    bool credits = true;
    bool screenshots = true;
};
