#include "amigatemplates.h"

#include "shareddata.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace
{

// FS-UAE's base folder: named by <config>/fs-uae/base-dir when that file exists, else
// "FS-UAE" in the documents folder, or in the home folder for older versions.
QStringList fsUaeBaseFolders(const AmigaTemplatePlaces &places)
{
    QStringList bases;
    QFile named(QDir(places.configHome).filePath(QStringLiteral("fs-uae/base-dir")));
    if (named.open(QIODevice::ReadOnly)) {
        const QString base = QString::fromUtf8(named.readAll()).trimmed();
        if (!base.isEmpty())
            bases << base;
    }
    bases << QDir(places.documents).filePath(QStringLiteral("FS-UAE"))
          << QDir(places.home).filePath(QStringLiteral("FS-UAE"));
    return bases;
}

QStringList userFolders(AmigaProgram program, const QString &programFolder,
                        const AmigaTemplatePlaces &places)
{
    QStringList folders;
    if (program == AmigaProgram::FsUae) {
        for (const QString &base : fsUaeBaseFolders(places))
            folders << QDir(base).filePath(QStringLiteral("Configurations"));
    } else if (program == AmigaProgram::Amiberry) {
        if (!programFolder.isEmpty())
            folders << QDir(programFolder).filePath(QStringLiteral("conf"));
        folders << QDir(places.home).filePath(QStringLiteral("Amiberry/conf"))
                << QDir(places.configHome).filePath(QStringLiteral("amiberry/conf"));
    }
    return folders;
}

} // namespace

AmigaTemplatePlaces defaultTemplatePlaces(const QString &programDir)
{
    AmigaTemplatePlaces places;
    places.home = QDir::homePath();
    places.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    places.configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    places.sharedData = sharedDataFolder(programDir);
    return places;
}

QStringList amigaTemplateFolders(AmigaProgram program, const QString &executable,
                                 const AmigaTemplatePlaces &places)
{
    QStringList folders;
    const QString path = QDir::fromNativeSeparators(executable);
    // A bare program name is found on PATH and names no folder of its own.
    const QString programFolder = path.contains(QLatin1Char('/'))
                                      ? path.left(path.lastIndexOf(QLatin1Char('/')) + 1)
                                      : QString();
    if (!programFolder.isEmpty())
        folders << (program == AmigaProgram::WinFellow
                        ? QDir::cleanPath(programFolder)
                        : QDir(programFolder).filePath(QStringLiteral("configurations")));
    folders << userFolders(program, programFolder, places);
    if (!places.sharedData.isEmpty())
        folders << QDir(places.sharedData).filePath(QStringLiteral("templates"));
    for (QString &folder : folders)
        folder = QDir::toNativeSeparators(folder);
    return folders;
}

QString findAmigaTemplateFolder(AmigaProgram program, const QString &executable,
                                const AmigaTemplatePlaces &places)
{
    for (const QString &folder : amigaTemplateFolders(program, executable, places))
        if (!amigaTemplateNames(folder, amigaFormat(program)).isEmpty())
            return folder;
    return {};
}

QStringList amigaTemplateNames(const QString &folder, AmigaFormat format)
{
    return QDir(folder).entryList({amigaTemplatePattern(format)},
                                  QDir::Files | QDir::Hidden | QDir::System,
                                  QDir::Name | QDir::IgnoreCase);
}
