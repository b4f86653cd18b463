#include "gamebasemapper.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace
{

// Called several times per game: plain splitting, no pattern to compile.
QStringList components(const QString &relative)
{
    return QString(relative).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
}

} // namespace

GameBaseMapper::GameBaseMapper(GameBaseFolders folders, QString origin)
    : m_folders(std::move(folders)), m_origin(std::move(origin))
{
}

QString GameBaseMapper::title(const QString &name)
{
    static const QRegularExpression trailingThe(QStringLiteral("^(.*), (The)$"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = trailingThe.match(name.trimmed());
    return m.hasMatch() ? m.captured(2) + u' ' + m.captured(1) : name.trimmed();
}

QString GameBaseMapper::value(const QString &lookup)
{
    const QString text = lookup.trimmed();
    const bool none = text.compare(QLatin1String("(Unknown)"), Qt::CaseInsensitive) == 0 ||
                      text.compare(QLatin1String("(None)"), Qt::CaseInsensitive) == 0;
    return none ? QString() : text;
}

QString GameBaseMapper::year(const QString &year)
{
    const QString text = value(year);
    return text.toInt() >= 9990 ? QString() : text;
}

QString GameBaseMapper::genre(const QString &parent, const QString &genre)
{
    QStringList parts;
    for (const QString &part : {value(parent), value(genre)})
        if (!part.isEmpty() && part != QLatin1String("[Uncategorized]"))
            parts << part;
    return parts.join(QLatin1String(" - "));
}

QString GameBaseMapper::origin(const QString &setName, const QString &version)
{
    return QStringLiteral("GameBase %1 (%2)").arg(setName, version);
}

qint64 GameBaseMapper::playedAt(const QString &jetDate)
{
    const QString text = jetDate.trimmed();
    // Most games were never played; parsing nothing still costs a time zone look-up.
    if (text.isEmpty())
        return 0;
    for (const char *format : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd"}) {
        const QDateTime when = QDateTime::fromString(text, QLatin1String(format));
        if (when.isValid())
            return when.toSecsSinceEpoch();
    }
    return 0;
}

GameStart GameBaseMapper::start(const QString &fileToRun, const QString &filenameIndex)
{
    bool isNumber = false;
    const int program = filenameIndex.trimmed().toInt(&isNumber);
    return {components(fileToRun).join(u'/'), isNumber && program >= 0 ? program : -1};
}

QString GameBaseMapper::resolve(const QString &folder, const QString &relative,
                                GameBaseFound::Count &count)
{
    const QStringList parts = components(relative);
    if (parts.isEmpty())
        return {};
    ++count.named;
    // Never a path above the folder the user named.
    if (parts.contains(QLatin1String("..")))
        return {};
    if (folder.isEmpty())
        return parts.join(u'/');
    const FolderResolver::Found hit = m_resolver.resolve(folder, parts);
    if (hit.path.isEmpty())
        return QDir(folder).filePath(parts.join(u'/'));
    ++count.found;
    return hit.path;
}

QStringList GameBaseMapper::siblingDisks(const QString &relative)
{
    static const QRegularExpression firstDisk(QStringLiteral("^(.*_Disk)1(\\.[^.\\\\/]+)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = firstDisk.match(relative);
    QStringList disks;
    for (int n = 2; m.hasMatch() && !m_folders.games.isEmpty() && n < 100; ++n) {
        const QStringList parts = components(m.captured(1) + QString::number(n) + m.captured(2));
        const FolderResolver::Found hit = m_resolver.resolve(m_folders.games, parts);
        if (hit.path.isEmpty())
            break;
        disks << hit.path;
    }
    return disks;
}

QString GameBaseMapper::secondScreenshot(const QString &relative)
{
    static const QRegularExpression extension(QStringLiteral("(\\.[^./]*)?$"));
    QString sibling = components(relative).join(u'/');
    if (sibling.isEmpty() || m_folders.screens.isEmpty())
        return {};
    sibling.insert(int(extension.match(sibling).capturedStart()), QLatin1String("_1"));
    return m_resolver.resolve(m_folders.screens, components(sibling)).path;
}

GameEntry GameBaseMapper::map(const GameBaseRecord &r)
{
    GameEntry entry;
    Game &g = entry.game;
    g.title = title(r.name);
    g.publisher = value(r.publisher);
    g.team = value(r.developer);
    g.year = year(r.year);
    g.genre = genre(r.parentGenre, r.genre);
    g.machine = m_folders.machine;
    g.programming = value(r.programmer);
    g.graphics = value(r.artist);
    g.music = value(r.musician);
    g.otherCredits = value(r.cracker);
    g.note = r.memo.trimmed().isEmpty() ? r.comment.trimmed() : r.memo.trimmed();
    g.rating = r.rating > 0 ? QString::number(r.rating) : QString();
    g.origin = m_origin;
    g.gameFile = resolve(m_folders.games, r.filename, m_found.gameFiles);
    g.musicFile = resolve(m_folders.music, r.sid, m_found.music);
    g.screenshot1 = resolve(m_folders.screens, r.screenshot, m_found.screenshots);
    g.screenshot2 = secondScreenshot(r.screenshot);
    QStringList disks = siblingDisks(r.filename);
    if (g.isAmiga())
        for (QString *drive : {&g.drive2, &g.drive3, &g.drive4})
            if (!disks.isEmpty())
                *drive = disks.takeFirst();
    entry.moreDisks = disks;
    return entry;
}

SetGame GameBaseMapper::setGame(const GameBaseRecord &r)
{
    const PersonalData personal{r.favourite, playedAt(r.lastPlayed), std::max(r.timesPlayed, 0)};
    return {r.id, map(r), start(r.fileToRun, r.filenameIndex), personal};
}
