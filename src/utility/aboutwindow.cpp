#include "aboutwindow.h"

#include "appcontext.h"
#include "dialogs.h"
#include "exportpipeline.h"
#include "logo.h"
#include "placement.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow
{

Form4::Form4(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("About Merrow"));
    auto *layout = new QVBoxLayout(this);
    auto add = [&](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        layout->addWidget(l);
        return l;
    };
    add("Image1", {})->setPixmap(logoPixmap(80));
    QLabel *title = add("Label1", QStringLiteral("Merrow - Database Utility Program"));
    QFont big = title->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    title->setFont(big);
    add("Label2", QStringLiteral("Version ") + QStringLiteral(VANTREL_VERSION));
    add("Label3", QStringLiteral("Build ") + QStringLiteral(VANTREL_VERSION) +
                      QStringLiteral(" (Qt ") + QLatin1String(qVersion()) + QLatin1Char(')'));
    add("Label4", QStringLiteral("Date ") + QLatin1String(__DATE__));
    add("Label5", QStringLiteral("Written by the catalogue team, with thanks to every "
                                 "collector who sent in games."));
    add("Label6", QStringLiteral("Site: https://example.org/catalogue"));
    add("Label7", QStringLiteral("E-mail: ") + QLatin1String(kMaintainerAddress));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
    centreOnScreen(this);
}

void Form4::Form_Load()
{
    m_ctx.dialogs.beep();
}

} // namespace merrow
