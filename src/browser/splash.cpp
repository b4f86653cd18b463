#include "splash.h"

#include "appcontext.h"
#include "placement.h"
#include "windowregistry.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

Splash::Splash(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_ctx(ctx),
      m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("splash"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Vantrel"), this);
    QFont f = title->font();
    f.setPointSize(28);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    auto *subtitle = new QLabel(tr("Commodore 64 and Amiga games catalogue"), this);
    subtitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    resize(420, 180);

    m_timer->setInterval(3000);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &Splash::showMainWindow);
    centreOnScreen(this);
    m_timer->start();
}

void Splash::showMainWindow()
{
    m_timer->stop();
    m_ctx.windows.show(WindowKey::MainWindow);
    close();
}
