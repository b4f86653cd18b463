#include "runtimefile.h"

#include "runtimefolder.h"

#include <QDir>
#include <QTemporaryFile>

Result<QString> placeRuntimeFile(const RuntimeFolder &folder, const QString &name,
                                 const QByteArray &content)
{
    const QString target = folder.filePath(name);
    const Result<std::unique_ptr<QTemporaryFile>> made = folder.newFile();
    if (!made)
        return made.failure();
    QTemporaryFile &file = **made;
    if (file.write(content) != content.size())
        return Failure{QStringLiteral("Cannot write %1: %2")
                           .arg(QDir::toNativeSeparators(target), file.errorString())};
    if (const Outcome placed = folder.place(file, name); !placed)
        return Failure{QStringLiteral("Cannot write %1: %2")
                           .arg(QDir::toNativeSeparators(target), placed.error())};
    return target;
}
