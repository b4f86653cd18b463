#include "widgettest.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

void flushDeletes()
{
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

bool isOpen(AppContext &ctx, WindowKey key)
{
    flushDeletes();
    return ctx.windows.find(key) != nullptr;
}

void click(QWidget *window, const QString &name)
{
    if (auto *button = control<QPushButton>(window, name))
        button->click();
}

QString writeFile(const QString &path, const QByteArray &bytes, bool executable)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}
