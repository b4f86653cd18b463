#pragma once

#include "amigaplayerbase.h"
#include "windowrequests.h"

#include <optional>

class QLabel;

// The catalogue Amiga player: starts the disks of the game it was asked for in WinUAE or
// WinFellow, and closes once the emulator runs.
class AmigaGamePlayer : public AmigaPlayerBase, public RequestTaker<AmigaGameRequest>
{
    Q_OBJECT
public:
    explicit AmigaGamePlayer(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const AmigaGameRequest &request) override;

protected:
    void play(AmigaEmulator emulator) override;

private:
    int m_gameId = 0;
    std::optional<AmigaDrives> m_disks;
    QLabel *m_noEmulatorLabel;
};
