#include "folderscanner.h"

#include "archivefile.h"
#include "gamename.h"
#include "imagekind.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <algorithm>

struct FolderScanner::Disk {
    QString path;
    QString extension; // of the image, inside an archive too
    GameName name;
};

struct FolderScanner::Files {
    QList<std::pair<QString, qint64>> images; // images and archives with their sizes, sorted
    QStringList pictures;
    QStringList tunes;
};

namespace
{

bool isOneOf(const QString &extension, std::initializer_list<const char *> extensions)
{
    return std::any_of(extensions.begin(), extensions.end(),
                       [&extension](const char *e) { return extension == QLatin1String(e); });
}

bool isImageOrArchive(const QString &extension)
{
    return isOneOf(extension, {"d64", "g64", "t64", "prg", "p00", "tap", "crt", "adf", "dms", "ipf",
                               "adz", "zip", "gz"});
}

// The size alone tells a D64, an ADF and a program file; the others are read.
ImageHead headOf(const QString &path, qint64 size)
{
    ImageHead head{path, size, {}};
    if (isOneOf(QFileInfo(path).suffix().toLower(), {"d64", "adf", "prg"}))
        return head;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        head.head = file.read(ImageHead::kHeadSize);
    return head;
}

QString baseName(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1String(".gz"), Qt::CaseInsensitive))
        name.chop(3);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

} // namespace

int ScanReport::diskCount(const GameEntry &entry)
{
    const Game &g = entry.game;
    int count = int(entry.moreDisks.size());
    for (const QString *disk : {&g.gameFile, &g.drive2, &g.drive3, &g.drive4})
        count += disk->isEmpty() ? 0 : 1;
    return count;
}

FolderScanner::FolderScanner(QString folder, QSet<QString> referenced)
    : m_folder(std::move(folder)), m_referenced(std::move(referenced))
{
}

FolderScanner::Files FolderScanner::walk() const
{
    Files files;
    QDirIterator it(m_folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (m_referenced.contains(path))
            continue;
        const QString extension = it.fileInfo().suffix().toLower();
        if (isImageOrArchive(extension))
            files.images.append({path, it.fileInfo().size()});
        else if (isOneOf(extension, {"png", "jpg", "jpeg", "gif", "bmp"}))
            files.pictures << path;
        else if (isOneOf(extension, {"sid", "mus", "mod", "xm", "s3m", "it", "med", "okt"}))
            files.tunes << path;
    }
    std::sort(files.images.begin(), files.images.end());
    files.pictures.sort();
    files.tunes.sort();
    return files;
}

// Identifies a file, an archive by the first image inside it.
bool FolderScanner::identify(const QString &path, qint64 size, Disk *disk, ScanReport *report) const
{
    const ImageHead head = headOf(path, size);
    const Result<ImageKind> kind = head.identify();
    if (!kind) {
        report->skipped.append({path, kind.error()});
        return false;
    }
    disk->path = path;
    disk->extension = QFileInfo(path).suffix().toLower();
    if (*kind == ImageKind::Zip || *kind == ImageKind::Gzip) {
        const auto entries = ArchiveFile(path).entries();
        if (!entries) {
            report->skipped.append({path, entries.error()});
            return false;
        }
        const auto image = std::find_if(entries->begin(), entries->end(), [](const auto &e) {
            const Result<ImageKind> inner = e.head.identify();
            return inner && (isC64Image(*inner) || isAmigaImage(*inner));
        });
        if (image == entries->end()) {
            report->skipped.append({path, tr("holds no image this program knows")});
            return false;
        }
        disk->extension = QFileInfo(image->head.name).suffix().toLower();
    }
    disk->name = GameName::parse(baseName(path));
    return true;
}

ScanReport FolderScanner::scan(Progress &progress) const
{
    ScanReport report;
    const Files files = walk();
    progress.setTotal(files.images.size());
    QList<Disk> disks;
    for (qsizetype i = 0; i < files.images.size(); ++i) {
        const auto &[path, size] = files.images.at(i);
        if (Disk disk; identify(path, size, &disk, &report))
            disks.append(std::move(disk));
        if (i % 64 == 63) {
            progress.setDone(i + 1);
            if (progress.isCancelled()) {
                report.cancelled = true;
                return report;
            }
        }
    }
    progress.setDone(files.images.size());
    report.games = group(std::move(disks));
    attachMedia(report.games, files);
    return report;
}

QList<GameEntry> FolderScanner::group(QList<Disk> disks) const
{
    QMap<QString, QList<Disk>> sets;
    for (Disk &disk : disks) {
        const QString machine = disk.name.machine(disk.extension);
        sets[QStringList{machine, disk.name.setKey(), disk.name.flags.join(u'|')}.join(u'\n')]
            .append(std::move(disk));
    }
    QList<GameEntry> games;
    for (QList<Disk> &set : sets) {
        std::stable_sort(set.begin(), set.end(), [](const Disk &a, const Disk &b) {
            return std::tie(a.name.disk, a.name.side) < std::tie(b.name.disk, b.name.side);
        });
        const Disk &first = set.first();
        GameEntry entry;
        Game &game = entry.game;
        game.title = first.name.title;
        game.year = first.name.year;
        game.publisher = first.name.publisher;
        game.machine = first.name.machine(first.extension);
        QStringList paths;
        for (const Disk &disk : set)
            paths << disk.path;
        game.gameFile = paths.takeFirst();
        if (game.isAmiga())
            for (QString *drive : {&game.drive2, &game.drive3, &game.drive4})
                if (!paths.isEmpty())
                    *drive = paths.takeFirst();
        entry.moreDisks = paths;
        games.append(std::move(entry));
    }
    std::stable_sort(games.begin(), games.end(), [](const GameEntry &a, const GameEntry &b) {
        return a.game.title.localeAwareCompare(b.game.title) < 0;
    });
    return games;
}

void FolderScanner::attachMedia(QList<GameEntry> &games, const Files &files) const
{
    QHash<QString, QStringList> pictures;
    QHash<QString, QStringList> tunes;
    for (const QString &path : files.pictures)
        pictures[GameName::matchKey(GameName::parse(baseName(path)).title)] << path;
    for (const QString &path : files.tunes)
        tunes[GameName::matchKey(GameName::parse(baseName(path)).title)] << path;
    for (GameEntry &entry : games) {
        const QString key = GameName::matchKey(entry.game.title);
        const QStringList shots = pictures.value(key);
        entry.game.screenshot1 = shots.value(0);
        entry.game.screenshot2 = shots.value(1);
        entry.game.musicFile = tunes.value(key).value(0);
    }
}
