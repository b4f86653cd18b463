#include "runtimefile.h"

#include "runtimefolder.h"

#include <QDir>
#include <QTemporaryFile>

Result<QString> placeRuntimeFile(const RuntimeFolder &folder, const QString &name,
                                 const QByteArray &content)
{
    const QString target = folder.filePath(name);
    QString why;
    const std::unique_ptr<QTemporaryFile> file = folder.newFile(&why);
    if (!file)
        return Failure{why};
    if (file->write(content) != content.size())
        return Failure{QStringLiteral("Cannot write %1: %2")
                           .arg(QDir::toNativeSeparators(target), file->errorString())};
    if (!folder.place(*file, name, &why))
        return Failure{
            QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(target), why)};
    return target;
}
