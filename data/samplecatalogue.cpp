#include "samplecatalogue.h"

#include "adfwriter.h"
#include "cataloguestore.h"
#include "cataloguewriter.h"
#include "d64writer.h"
#include "musicfiles.h"
#include "samplegames.h"
#include "screenshots.h"
#include "t64writer.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QVariantMap>

namespace sampledata
{
namespace
{

const QString kCatalogueVersion = QStringLiteral("2026.12");

QVariant text(const char *value)
{
    return value ? QVariant(QString::fromUtf8(value)) : QVariant(QMetaType(QMetaType::QString));
}

// Plain ASCII letters and digits of a text, accents dropped.
QString plainText(const QString &text)
{
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.unicode() < 0x80)
            out += c;
    }
    return out;
}

QString fileStem(const QString &title)
{
    QString stem;
    for (QChar c : plainText(title).toLower()) {
        if (c.isLetterOrNumber())
            stem += c;
        else if (!stem.isEmpty() && !stem.endsWith(QLatin1Char('-')))
            stem += QLatin1Char('-');
    }
    while (stem.endsWith(QLatin1Char('-')))
        stem.chop(1);
    return stem;
}

// Names as a C64 directory shows them: capitals, at most 16 characters.
QByteArray c64Name(const QString &text)
{
    return plainText(text).toUpper().left(16).trimmed().toLatin1();
}

// A program that starts with the BASIC line 10 SYS2064 and then carries machine code
// (here filler bytes from the seed).
QByteArray c64Program(int size, QRandomGenerator &rng)
{
    QByteArray p = QByteArray::fromHex("0108"         // load address $0801
                                       "0c080a00"     // next line $080c, line 10
                                       "9e2032303634" // SYS 2064
                                       "00000000");   // end of line, end of program
    while (p.size() < 2 + 0x0F)
        p += char(0);
    while (p.size() < size)
        p += char(rng.bounded(256));
    return p;
}

QByteArray randomBytes(int size, QRandomGenerator &rng)
{
    QByteArray b(size, '\0');
    for (char &c : b)
        c = char(rng.bounded(256));
    return b;
}

struct Writer {
    QString root;
    QString *error;

    bool write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
            if (error)
                *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
            return false;
        }
        return true;
    }
    bool write(const QString &path, const ImageResult &image)
    {
        if (!image.ok()) {
            if (error)
                *error = QStringLiteral("cannot make %1: %2").arg(path, image.error);
            return false;
        }
        return write(path, image.bytes);
    }
    bool writePng(const QString &path, const QImage &image)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            if (error)
                *error = QStringLiteral("cannot encode %1").arg(path);
            return false;
        }
        return write(path, bytes);
    }
};

QString nativeFolder(const QString &path)
{
    return QDir::toNativeSeparators(QDir(path).absolutePath()) + QDir::separator();
}

} // namespace

const QStringList &sampleFolders()
{
    static const QStringList folders = {"c64-games",   "c64-music",   "c64-screens",
                                        "amiga-games", "amiga-music", "amiga-screens"};
    return folders;
}

namespace
{

// One sample game on its way into the catalogue: where its files go and its row.
struct GameWork {
    const SampleGame &game;
    int number;
    quint32 seed;
    QString title;
    bool c64;
    QString stem;
    QString gameDir, musicDir, shotDir;
    QVariantMap row;
};

// The six media folders below <folder>/sample, made when missing; empty on failure.
QStringList makeSampleFolders(const QDir &base, QString *error)
{
    QStringList dirs;
    for (const QString &name : sampleFolders()) {
        const QString path = base.absoluteFilePath(QStringLiteral("sample/") + name);
        if (!QDir().mkpath(path)) {
            if (error)
                *error = QStringLiteral("cannot make the folder %1").arg(path);
            return {};
        }
        dirs.append(nativeFolder(path));
    }
    return dirs;
}

// No emulator or player is installed on a fresh system: only the folders are set.
QVariantList configValues(const QStringList &dirs)
{
    QVariantList config;
    for (int i = 0; i < 8; ++i)
        config.append(QVariant(QMetaType(QMetaType::QString)));
    for (const QString &dir : dirs)
        config.append(dir);
    config.append(kCatalogueVersion);
    return config;
}

bool writeD64Disk(Writer &out, GameWork &w, QRandomGenerator &rng, QStringList &disks)
{
    const QByteArray name = c64Name(w.title);
    QList<ImageFile> files = {
        {name, c64Program(2000 + int(rng.bounded(9000)), rng)},
        {c64Name(w.title.left(11) + QStringLiteral(" LV2")),
         c64Program(3000 + int(rng.bounded(12000)), rng)},
        {"HISCORES", randomBytes(60, rng), 0x81},
        {"INSTRUCTIONS", randomBytes(800 + int(rng.bounded(2000)), rng), 0x81}};
    if (rng.bounded(2))
        files.append({"INTRO", c64Program(1500, rng)});
    disks.append(w.gameDir + w.stem + QStringLiteral(".d64"));
    return out.write(disks.last(), writeD64(name, QByteArray::number(10 + w.number), files));
}

bool writeT64Tape(Writer &out, GameWork &w, QRandomGenerator &rng, QStringList &disks)
{
    const QList<ImageFile> files = {
        {c64Name(w.title), c64Program(4000 + int(rng.bounded(20000)), rng)},
        {"LOADER", c64Program(400, rng)},
        {c64Name(w.title.left(10) + QStringLiteral(" DATA")),
         c64Program(2000 + int(rng.bounded(6000)), rng)}};
    disks.append(w.gameDir + w.stem + QStringLiteral(".t64"));
    return out.write(disks.last(), writeT64(c64Name(w.title), files));
}

bool writeAdfDisks(Writer &out, GameWork &w, int count, QRandomGenerator &rng, QStringList &disks)
{
    const QByteArray volume = plainText(w.title).left(24).toLatin1();
    for (int d = 1; d <= count; ++d) {
        QList<ImageFile> files;
        // Hunk header first, so the main file looks like an executable.
        QByteArray exe = QByteArray::fromHex("000003f3") + randomBytes(20000, rng);
        if (d == 1) {
            files.append({plainText(w.title).remove(QLatin1Char(' ')).toLatin1(), exe});
            files.append({"Readme", QStringLiteral("%1\nPublished by %2.\n")
                                        .arg(w.title, QString::fromUtf8(w.game.sh))
                                        .toUtf8()});
        }
        files.append({QStringLiteral("Data%1").arg(d).toLatin1(),
                      randomBytes(30000 + int(rng.bounded(60000)), rng)});
        const QByteArray vol =
            count == 1 ? volume : volume + QStringLiteral(" Disk %1").arg(d).toLatin1();
        disks.append(w.gameDir + w.stem + (count == 1 ? QString() : QStringLiteral("-%1").arg(d)) +
                     QStringLiteral(".adf"));
        if (!out.write(disks.last(), writeAdf(vol, files)))
            return false;
    }
    return true;
}

// The game's disks or tape, stored in emul1, df1 and df2.
bool writeGameDisks(Writer &out, GameWork &w)
{
    QRandomGenerator rng(w.seed);
    QStringList disks;
    bool written = true;
    switch (w.game.media) {
    case GameMedia::None:
        break;
    case GameMedia::D64:
        written = writeD64Disk(out, w, rng, disks);
        break;
    case GameMedia::T64:
        written = writeT64Tape(out, w, rng, disks);
        break;
    case GameMedia::Adf:
        written = writeAdfDisks(out, w, 1, rng, disks);
        break;
    case GameMedia::TwoAdf:
        written = writeAdfDisks(out, w, 2, rng, disks);
        break;
    case GameMedia::ThreeAdf:
        written = writeAdfDisks(out, w, 3, rng, disks);
        break;
    }
    const char *diskColumns[] = {"emul1", "df1", "df2"};
    for (int d = 0; d < disks.size(); ++d)
        w.row[diskColumns[d]] = disks[d];
    return written;
}

// The tune and the screenshots, stored in song, screen1 and screen2.
bool writeGameMedia(Writer &out, GameWork &w)
{
    const SampleGame &g = w.game;
    if (g.song) {
        const QString path =
            w.musicDir + w.stem + (w.c64 ? QStringLiteral(".sid") : QStringLiteral(".mod"));
        const QByteArray music =
            w.c64
                ? makePsid(plainText(w.title).toLatin1(),
                           plainText(QString::fromUtf8(g.music)).toLatin1(),
                           QByteArray(g.year) + ' ' + plainText(QString::fromUtf8(g.sh)).toLatin1(),
                           w.seed)
                : makeMod(plainText(w.title).toLower().toLatin1(), w.seed);
        if (!out.write(path, music))
            return false;
        w.row["song"] = path;
    }
    for (int shot = 1; shot <= g.shots; ++shot) {
        const QString path = w.shotDir + w.stem + QStringLiteral("-%1.png").arg(shot);
        const QImage image = w.c64 ? makeC64Screenshot(w.title, shot, w.seed)
                                   : makeAmigaScreenshot(w.title, shot, w.seed);
        if (!out.writePng(path, image))
            return false;
        w.row[shot == 1 ? "screen1" : "screen2"] = path;
    }
    return true;
}

// The row's text columns, in the catalogue's column order.
QVariantList gameValues(GameWork &w)
{
    const SampleGame &g = w.game;
    w.row["titolo"] = w.title;
    const std::pair<const char *, const char *> texts[] = {{"sh", g.sh},
                                                           {"team", g.team},
                                                           {"year", g.year},
                                                           {"tipo", g.tipo},
                                                           {"formato", g.formato},
                                                           {"design", g.design},
                                                           {"programming", g.programming},
                                                           {"graphics", g.graphics},
                                                           {"music", g.music},
                                                           {"adddesign", g.adddesign},
                                                           {"addprogramming", g.addprogramming},
                                                           {"addgraphics", g.addgraphics},
                                                           {"addmusic", g.addmusic},
                                                           {"others", g.others},
                                                           {"note", g.note},
                                                           {"dbver", g.dbver}};
    for (const auto &[column, value] : texts)
        w.row[column] = text(value);
    QVariantList values;
    for (const QString &column : CatalogueStore::gameColumns())
        values.append(w.row.value(column, QVariant(QMetaType(QMetaType::QString))));
    return values;
}

GameWork gameWork(const SampleGame &g, int n, const QStringList &dirs)
{
    const QString title = QString::fromUtf8(g.titolo);
    const bool c64 = QByteArray(g.formato).startsWith('C');
    return {g,
            n,
            quint32(n) * 7919u + 17u,
            title,
            c64,
            fileStem(title),
            c64 ? dirs[0] : dirs[3],
            c64 ? dirs[1] : dirs[4],
            c64 ? dirs[2] : dirs[5],
            {}};
}

} // namespace

bool writeSampleCatalogue(const QString &folder, QString *error)
{
    const QDir base(folder);
    if (!QDir().mkpath(base.absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot make the folder %1").arg(folder);
        return false;
    }
    const QStringList dirs = makeSampleFolders(base, error);
    if (dirs.isEmpty())
        return false;
    Writer out{base.absolutePath(), error};
    CatalogueWriter catalogue(base.absoluteFilePath(QStringLiteral("commodore.mdb")));
    if (!catalogue.begin(error) || !catalogue.addConfig(configValues(dirs), error))
        return false;
    const QList<SampleGame> &games = sampleGames();
    for (int n = 0; n < games.size(); ++n) {
        GameWork work = gameWork(games[n], n, dirs);
        if (!writeGameDisks(out, work) || !writeGameMedia(out, work) ||
            !catalogue.addGame(gameValues(work), error))
            return false;
    }
    return catalogue.finish(error);
}

} // namespace sampledata
