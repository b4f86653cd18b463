#pragma once

#include <QWidget>

class AppContext;
class QTimer;

// The start-up window: shows the title, then the main window when its timer runs out.
class Splash : public QWidget
{
    Q_OBJECT
public:
    explicit Splash(AppContext &ctx, QWidget *parent = nullptr);

    // Opens the main window and closes the splash (the timer's end, or a test).
    void showMainWindow();

private:
    AppContext &m_ctx;
    QTimer *m_timer;
};
