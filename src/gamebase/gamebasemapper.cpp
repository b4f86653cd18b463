#include "gamebasemapper.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace
{

// The path with '/' between its names and no empty ones; most paths need only the separators.
QString relativePath(const QString &path)
{
    // One pass, as every game has several paths: a separator first, last or after another
    // leaves an empty name.
    QString converted(path.size(), Qt::Uninitialized);
    QChar *out = converted.data();
    QChar previous = u'/';
    bool emptyNames = false;
    for (const QChar letter : path) {
        const QChar c = letter == u'\\' ? QChar(u'/') : letter;
        emptyNames = emptyNames || (c == u'/' && previous == u'/');
        *out++ = previous = c;
    }
    if (emptyNames || previous == u'/')
        return converted.split(u'/', Qt::SkipEmptyParts).join(u'/');
    return converted;
}

bool leavesFolder(const QString &path)
{
    return path == u".." || path.startsWith(u"../") || path.endsWith(u"/..") ||
           path.contains(u"/../");
}

} // namespace

GameBaseMapper::GameBaseMapper(GameBaseFolders folders, QString origin, FolderResolver listed)
    : m_folders(std::move(folders)), m_origin(std::move(origin)), m_resolver(std::move(listed))
{
    const auto root = [this](const QString &folder) {
        return folder.isEmpty() ? FolderResolver::Root() : m_resolver.root(folder);
    };
    m_games = root(m_folders.games);
    m_music = root(m_folders.music);
    m_screens = root(m_folders.screens);
}

QString GameBaseMapper::title(const QString &name)
{
    static const QRegularExpression trailingThe(QStringLiteral("^(.*), (The)$"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QString text = name.trimmed();
    // Most titles end otherwise: the pattern only for those with ", " before the last three.
    if (text.size() < 5 || text[text.size() - 5] != u',' || text[text.size() - 4] != u' ')
        return text;
    const QRegularExpressionMatch m = trailingThe.match(text);
    return m.hasMatch() ? m.captured(2) + u' ' + m.captured(1) : text;
}

QString GameBaseMapper::value(const QString &lookup)
{
    const QString text = lookup.trimmed();
    if (!text.startsWith(u'('))
        return text;
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
    const auto kept = [](QString part) {
        return part == QLatin1String("[Uncategorized]") ? QString() : part;
    };
    const QString first = kept(value(parent));
    const QString second = kept(value(genre));
    if (first.isEmpty() || second.isEmpty())
        return first.isEmpty() ? second : first;
    return first + QLatin1String(" - ") + second;
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
    return {relativePath(fileToRun), isNumber && program >= 0 ? program : -1};
}

QString GameBaseMapper::resolve(const QString &folder, const FolderResolver::Root &root,
                                const QString &path, GameBaseFound::Count &count)
{
    if (path.isEmpty())
        return {};
    ++count.named;
    // Never a path above the folder the user named.
    if (leavesFolder(path))
        return {};
    if (folder.isEmpty())
        return path;
    const FolderResolver::Found hit = m_resolver.resolve(root, path);
    if (hit.path.isEmpty())
        return QDir(folder).filePath(path);
    ++count.found;
    return hit.path;
}

QStringList GameBaseMapper::siblingDisks(const QString &filename)
{
    static const QRegularExpression firstDisk(QStringLiteral("^(.*_Disk)1(\\.[^.\\\\/]+)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    // The pattern only where a "1" comes before the extension.
    const qsizetype dot = filename.lastIndexOf(u'.');
    if (dot < 1 || filename[dot - 1] != u'1' || m_folders.games.isEmpty())
        return {};
    const QRegularExpressionMatch m = firstDisk.match(filename);
    QStringList disks;
    for (int n = 2; m.hasMatch() && n < 100; ++n) {
        const QString path = relativePath(m.captured(1) + QString::number(n) + m.captured(2));
        const FolderResolver::Found hit = m_resolver.resolve(m_games, path);
        if (hit.path.isEmpty())
            break;
        disks << hit.path;
    }
    return disks;
}

QString GameBaseMapper::secondScreenshot(const QString &path)
{
    if (path.isEmpty() || m_folders.screens.isEmpty())
        return {};
    const qsizetype dot = path.lastIndexOf(u'.');
    QString sibling = path;
    sibling.insert(dot > path.lastIndexOf(u'/') ? dot : path.size(), QLatin1String("_1"));
    return m_resolver.resolve(m_screens, sibling).path;
}

GameEntry GameBaseMapper::map(const GameBaseRecord &r, GameBaseFound &found)
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
    const QString memo = r.memo.trimmed();
    g.note = memo.isEmpty() ? r.comment.trimmed() : memo;
    g.rating = r.rating > 0 ? QString::number(r.rating) : QString();
    g.origin = m_origin;
    g.gameFile = resolve(m_folders.games, m_games, relativePath(r.filename), found.gameFiles);
    g.musicFile = resolve(m_folders.music, m_music, relativePath(r.sid), found.music);
    const QString screenshot = relativePath(r.screenshot);
    g.screenshot1 = resolve(m_folders.screens, m_screens, screenshot, found.screenshots);
    g.screenshot2 = secondScreenshot(screenshot);
    QStringList disks = siblingDisks(r.filename);
    if (g.isAmiga())
        for (QString *drive : {&g.drive2, &g.drive3, &g.drive4})
            if (!disks.isEmpty())
                *drive = disks.takeFirst();
    entry.moreDisks = disks;
    return entry;
}

SetGame GameBaseMapper::setGame(const GameBaseRecord &r, GameBaseFound &found)
{
    const PersonalData personal{r.favourite, playedAt(r.lastPlayed), std::max(r.timesPlayed, 0)};
    return {r.id, map(r, found), start(r.fileToRun, r.filenameIndex), personal};
}
