#include "shareddata.h"

#include <QDir>
#include <QFileInfo>

QString sharedDataFolder(const QString &programDir)
{
    const QString installed =
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral("../share/vantrel")));
    return QFileInfo(installed).isDir() ? installed : programDir;
}
