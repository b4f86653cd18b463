#pragma once

#include "c64playerwindow.h"

class QGroupBox;

// The catalogue C64 player: starts the game file it was opened with in an emulator.
// Callers set gamefile, then show "emu64".
class emu64 : public C64PlayerWindow
{
    Q_OBJECT
public:
    explicit emu64(AppContext &ctx, QWidget *parent = nullptr);

    void Frame1_DragDrop();

protected:
    QString buttonGameFile() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();

    QGroupBox *Frame1;
    // gamefile as it was at load: the listing and the buttons stay on one game even when
    // the main window moves on.
    QString m_gamefile;
};
