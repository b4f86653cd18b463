#include "widgettest.h"

#include "database.h"

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

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int rowCount(const QString &path, const QString &table)
{
    auto c = catalogue::Connection::open(path, nullptr, catalogue::Connection::Mode::ReadOnly);
    const auto row =
        c ? catalogue::fetchOne(c->db(), QStringLiteral("select count(*) from ") + table)
          : std::nullopt;
    return row ? row->value(0).toInt() : -1;
}
