#pragma once

#include <QWidget>

class AppContext;
class QTimer;

// The start-up window: shows the title, then the main window on its first timer tick.
class Splash : public QWidget
{
    Q_OBJECT
public:
    explicit Splash(AppContext &ctx, QWidget *parent = nullptr);

    void Timer1_Timer();

private:
    AppContext &m_ctx;
    QTimer *m_timer;
};
