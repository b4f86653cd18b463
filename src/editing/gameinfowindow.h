#pragma once

#include "windowrequests.h"

#include <QWidget>

class AppContext;
class QPlainTextEdit;

// "Additional Info": the other credits and the note of one game. It lives only while it
// is the active window.
class GameInfoWindow : public QWidget, public RequestTaker<GameInfoRequest>
{
    Q_OBJECT
public:
    explicit GameInfoWindow(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const GameInfoRequest &request) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    AppContext &m_ctx;
    QPlainTextEdit *m_othersView;
    QPlainTextEdit *m_noteView;
    bool m_wasActive = false;
};
