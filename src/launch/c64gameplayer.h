#pragma once

#include "c64playerbase.h"
#include "windowrequests.h"

class QGroupBox;

// The catalogue C64 player: starts the game file it was asked for in an emulator.
class C64GamePlayer : public C64PlayerBase, public RequestTaker<C64GameRequest>
{
    Q_OBJECT
public:
    explicit C64GamePlayer(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const C64GameRequest &request) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showSystemConfiguration();

    QGroupBox *m_emulatorFrame;
};
