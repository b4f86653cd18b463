#include "vicefliplist.h"

#include "escaping.h"
#include "runtimefile.h"

#include <QCoreApplication>
#include <QDir>

QByteArray viceFliplist(const QStringList &disks)
{
    QByteArray list = "# Vice fliplist file\nUNIT 8\n";
    for (const QString &disk : disks)
        list += QDir::toNativeSeparators(disk).toUtf8() + '\n';
    return list;
}

Result<QString> writeViceFliplist(const QStringList &disks, const RuntimeFolder &folder)
{
    for (const QString &disk : disks)
        if (disk.contains(QLatin1Char('\n')) || disk.contains(QLatin1Char('\r')))
            return Failure{
                QCoreApplication::translate(
                    "ViceFliplist",
                    "The disk path %1 holds a line break, which a fliplist cannot carry.")
                    .arg(escapeControls(QDir::toNativeSeparators(disk)))};
    return placeRuntimeFile(folder, QStringLiteral("vantrel.vfl"), viceFliplist(disks));
}
