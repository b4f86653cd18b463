#pragma once

#include "c64playerbase.h"
#include "windowrequests.h"

class BrowsingPane;

// The free C64 player: browse the file system and start any file in an emulator.
class C64FreePlayer : public C64PlayerBase, public RequestTaker<C64FreePlayerRequest>
{
    Q_OBJECT
public:
    explicit C64FreePlayer(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const C64FreePlayerRequest &request) override;

private:
    void showClickedFile(const QString &path);
    void openAssociation();

    BrowsingPane *m_browser;
    QLineEdit *m_playFileEdit;
    QPushButton *m_associateButton;
};
