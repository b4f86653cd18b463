#include "shareddata.h"

#include <QDir>
#include <QFileInfo>

#ifndef VANTREL_SHARED_FROM_BIN
#define VANTREL_SHARED_FROM_BIN "../share/vantrel"
#endif

QString sharedDataFolder(const QString &programDir)
{
    const QString installed =
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(VANTREL_SHARED_FROM_BIN)));
    return QFileInfo(installed).isDir() ? installed : programDir;
}
