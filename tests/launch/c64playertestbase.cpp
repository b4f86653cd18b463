#include "c64playertestbase.h"

#include <QLabel>
#include <QLineEdit>

using namespace fixtures;

C64PlayerTest::C64PlayerTest() : ctx(*tc.ctx)
{
    QByteArray disk = emptyD64("PLAYER DISK", "PD");
    putEntry(disk, 1, 0, {0x82, "INTRO", 17, 0, 4});
    putEntry(disk, 1, 1, {0x82, "MANIC MINER", 17, 1, 120});
    putEntry(disk, 1, 2, {0x81, "HISCORES", 17, 2, 1});
    d64 = image(QStringLiteral("GAME.D64"), disk);
    t64 = image(QStringLiteral("TAPE.T64"), fixtures::t64({{0x82, "LOADER", 0x0801, 0x0a00, ' '},
                                                           {0x82, "MAIN", 0x0801, 0x8000, ' '}},
                                                          8, "MY TAPE"));
    QByteArray bad = d64WithEntries(144);
    putLink(bad, 18, 18, 3);
    broken = image(QStringLiteral("BROKEN.D64"), bad);
}

void C64PlayerTest::configure(const QVariant &ccs64, const QVariant &vice, const QVariant &c64s,
                              const QVariant &pc64)
{
    tc.catalogue.setConfig({{"ccs64", ccs64}, {"vice", vice}, {"c64s", c64s}, {"pc64", pc64}});
}

QString C64PlayerTest::image(const QString &name, const QByteArray &bytes)
{
    return writeImage(tc.temp.path(), name, bytes);
}

QStringList C64PlayerTest::shownButtons(QWidget *window)
{
    QStringList names;
    for (int n = 1; n <= 4; ++n)
        if (!button(window, n)->isHidden())
            names << button(window, n)->objectName();
    return names;
}

QPushButton *C64PlayerTest::button(QWidget *window, int n)
{
    auto *b = window->findChild<QPushButton *>(QStringLiteral("NmButton%1").arg(n));
    EXPECT_NE(b, nullptr) << n;
    return b;
}

QListWidget *C64PlayerTest::list(QWidget *window)
{
    return window->findChild<QListWidget *>(QStringLiteral("List1"));
}

QString C64PlayerTest::text(QWidget *window, const char *name)
{
    QWidget *w = window->findChild<QWidget *>(QLatin1String(name));
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    ADD_FAILURE() << "no text control " << name;
    return {};
}

bool C64PlayerTest::enabled(QWidget *window, const char *name)
{
    QWidget *w = window->findChild<QWidget *>(QLatin1String(name));
    return w && w->isEnabled();
}
