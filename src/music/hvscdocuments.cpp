#include "hvscdocuments.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sidplayfp/SidDatabase.h>
#include <stilview/stil.h>

namespace music
{
namespace
{

const QString kSongLengths = QStringLiteral("DOCUMENTS/Songlengths.md5");

bool holdsSongLengths(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(QDir(folder).filePath(kSongLengths)).isFile();
}

QString trimmed(const char *text)
{
    return text ? QString::fromLatin1(text).trimmed() : QString();
}

} // namespace

QString findHvscFolder(const QString &tunePath, const QString &hvscFolder)
{
    if (!tunePath.isEmpty()) {
        QDir folder = QFileInfo(tunePath).absoluteDir();
        do {
            if (holdsSongLengths(folder.path()))
                return folder.path();
        } while (folder.cdUp());
    }
    return holdsSongLengths(hvscFolder) ? QDir(hvscFolder).absolutePath() : QString();
}

QList<std::optional<int>> songLengthsMs(const QString &hvscFolder, const QByteArray &tuneData,
                                        int subtunes)
{
    QList<std::optional<int>> lengths(subtunes);
    SidDatabase database;
    if (hvscFolder.isEmpty() ||
        !database.open(QFile::encodeName(QDir(hvscFolder).filePath(kSongLengths)).constData()))
        return lengths;
    const QByteArray md5 = QCryptographicHash::hash(tuneData, QCryptographicHash::Md5).toHex();
    for (int song = 1; song <= subtunes; ++song) {
        const int_least32_t ms = database.lengthMs(md5.constData(), unsigned(song));
        if (ms > 0)
            lengths[song - 1] = int(ms);
    }
    return lengths;
}

QString stilComment(const QString &hvscFolder, const QString &tunePath)
{
    if (hvscFolder.isEmpty() || tunePath.isEmpty())
        return {};
    const QString base = QDir(hvscFolder).canonicalPath();
    const QString tune = QFileInfo(tunePath).canonicalFilePath();
    if (base.isEmpty() || !tune.startsWith(base + QLatin1Char('/')))
        return {};
    STIL stil;
    if (!stil.setBaseDir(QFile::encodeName(base).constData()))
        return {};
    const QByteArray path = QFile::encodeName(tune);
    const QString global = trimmed(stil.getAbsGlobalComment(path.constData()));
    const QString entry = trimmed(stil.getAbsEntry(path.constData()));
    if (global.isEmpty() || entry.isEmpty())
        return global + entry;
    return global + QLatin1Char('\n') + entry;
}

} // namespace music
