#include "widgettest.h"

#include "database.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

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
    const auto c = catalogue::Connection::open(path, catalogue::Connection::Mode::ReadOnly);
    if (!c)
        return -1;
    const auto row =
        catalogue::fetchOne((*c)->db(), QStringLiteral("select count(*) from ") + table);
    return row && row->has_value() ? (*row)->value(0).toInt() : -1;
}

bool fitsScreen(QWidget *window)
{
    QCoreApplication::processEvents();
    return window->screen()->availableGeometry().contains(window->frameGeometry());
}

bool inSight(QWidget *window, const QString &name)
{
    auto *w = control<QWidget>(window, name);
    if (!w || !w->isVisible())
        return false;
    const QRect global(w->mapToGlobal(QPoint(0, 0)), w->size());
    return window->geometry().contains(global) &&
           window->screen()->availableGeometry().contains(global);
}

QString failuresOnScreen(const char *filter, QSize screen, double scale)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    writeFile(config, QStringLiteral(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": %1,
        "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                          .arg(screen.width())
                          .arg(screen.height())
                          .toUtf8());
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=") + QLatin1String(filter)});
    const bool ended = child.waitForFinished(120000);
    if (!ended) {
        child.kill();
        child.waitForFinished();
    }
    const QString output = QString::fromLocal8Bit(child.readAll());
    const bool ran = !output.contains(QLatin1String("Running 0 tests"));
    if (ended && ran && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
        return {};
    return output.isEmpty() ? QStringLiteral("the child did not run") : output;
}
