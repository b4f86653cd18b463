#pragma once

#include "amigaplayerbase.h"
#include "windowrequests.h"

#include <QStringList>

#include <optional>

class QLabel;
struct Game;

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
    void readDisks(const Game &game);

    int m_gameId = 0;
    std::optional<AmigaDrives> m_disks;
    QStringList m_moreDisks;
    QLabel *m_noEmulatorLabel;
    QLabel *m_unreachableLabel;
};
