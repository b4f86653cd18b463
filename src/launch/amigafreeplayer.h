#pragma once

#include "amigaplayerbase.h"
#include "windowrequests.h"

#include <array>

class BrowsingPane;
class QLineEdit;

// The free Amiga player: disk files picked from the file system go into the drives DF0 to
// DF3 and start in WinUAE or WinFellow; the window stays open for the next start.
class AmigaFreePlayer : public AmigaPlayerBase, public RequestTaker<AmigaFreePlayerRequest>
{
    Q_OBJECT
public:
    explicit AmigaFreePlayer(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const AmigaFreePlayerRequest &request) override;

protected:
    void play(AmigaEmulator emulator) override;

private:
    QLayout *buildDriveRows();
    void insertDisk(const QString &path);
    void discardDisks();
    void openAssociation();
    QStringList diskFiles() const;

    BrowsingPane *m_browser;
    std::array<QLineEdit *, 4> m_driveEdits{}; // DF0..DF3
    QPushButton *m_discardButton;
    QPushButton *m_associateButton;
};
