#include "samplecatalogue.h"

#include "adfwriter.h"
#include "cataloguewriter.h"
#include "d64writer.h"
#include "database.h"
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

bool writeSampleCatalogue(const QString &folder, QString *error)
{
    const QDir base(folder);
    if (!QDir().mkpath(base.absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot make the folder %1").arg(folder);
        return false;
    }
    QStringList dirs;
    for (const QString &name : sampleFolders()) {
        const QString path = base.absoluteFilePath(QStringLiteral("sample/") + name);
        if (!QDir().mkpath(path)) {
            if (error)
                *error = QStringLiteral("cannot make the folder %1").arg(path);
            return false;
        }
        dirs.append(nativeFolder(path));
    }
    Writer out{base.absolutePath(), error};

    CatalogueWriter catalogue(base.absoluteFilePath(QStringLiteral("commodore.mdb")));
    if (!catalogue.begin(error))
        return false;
    QVariantList config;
    for (int i = 0; i < 8; ++i) // no emulator or player is installed on a fresh system
        config.append(QVariant(QMetaType(QMetaType::QString)));
    for (const QString &dir : dirs)
        config.append(dir);
    config.append(kCatalogueVersion);
    if (!catalogue.addConfig(config, error))
        return false;

    const QList<SampleGame> &games = sampleGames();
    for (int n = 0; n < games.size(); ++n) {
        const SampleGame &g = games[n];
        const quint32 seed = quint32(n) * 7919u + 17u;
        QRandomGenerator rng(seed);
        const QString title = QString::fromUtf8(g.titolo);
        const bool c64 = QByteArray(g.formato).startsWith('C');
        const QString stem = fileStem(title);
        const QString gameDir = c64 ? dirs[0] : dirs[3];
        const QString musicDir = c64 ? dirs[1] : dirs[4];
        const QString shotDir = c64 ? dirs[2] : dirs[5];

        QVariantMap row;
        QStringList disks;
        switch (g.media) {
        case GameMedia::None:
            break;
        case GameMedia::D64: {
            const QByteArray name = c64Name(title);
            QList<ImageFile> files = {
                {name, c64Program(2000 + int(rng.bounded(9000)), rng)},
                {c64Name(title.left(11) + QStringLiteral(" LV2")),
                 c64Program(3000 + int(rng.bounded(12000)), rng)},
                {"HISCORES", randomBytes(60, rng), 0x81},
                {"INSTRUCTIONS", randomBytes(800 + int(rng.bounded(2000)), rng), 0x81}};
            if (rng.bounded(2))
                files.append({"INTRO", c64Program(1500, rng)});
            disks.append(gameDir + stem + QStringLiteral(".d64"));
            if (!out.write(disks.last(), writeD64(name, QByteArray::number(10 + n), files)))
                return false;
            break;
        }
        case GameMedia::T64: {
            const QList<ImageFile> files = {
                {c64Name(title), c64Program(4000 + int(rng.bounded(20000)), rng)},
                {"LOADER", c64Program(400, rng)},
                {c64Name(title.left(10) + QStringLiteral(" DATA")),
                 c64Program(2000 + int(rng.bounded(6000)), rng)}};
            disks.append(gameDir + stem + QStringLiteral(".t64"));
            if (!out.write(disks.last(), writeT64(c64Name(title), files)))
                return false;
            break;
        }
        case GameMedia::Adf:
        case GameMedia::TwoAdf:
        case GameMedia::ThreeAdf: {
            const int count = g.media == GameMedia::Adf ? 1 : g.media == GameMedia::TwoAdf ? 2 : 3;
            const QByteArray volume = plainText(title).left(24).toLatin1();
            for (int d = 1; d <= count; ++d) {
                QList<ImageFile> files;
                // Hunk header first, so the main file looks like an executable.
                QByteArray exe = QByteArray::fromHex("000003f3") + randomBytes(20000, rng);
                if (d == 1) {
                    files.append({plainText(title).remove(QLatin1Char(' ')).toLatin1(), exe});
                    files.append({"Readme", QStringLiteral("%1\nPublished by %2.\n")
                                                .arg(title, QString::fromUtf8(g.sh))
                                                .toUtf8()});
                }
                files.append({QStringLiteral("Data%1").arg(d).toLatin1(),
                              randomBytes(30000 + int(rng.bounded(60000)), rng)});
                const QByteArray vol =
                    count == 1 ? volume : volume + QStringLiteral(" Disk %1").arg(d).toLatin1();
                disks.append(gameDir + stem +
                             (count == 1 ? QString() : QStringLiteral("-%1").arg(d)) +
                             QStringLiteral(".adf"));
                if (!out.write(disks.last(), writeAdf(vol, files)))
                    return false;
            }
            break;
        }
        }
        const char *diskColumns[] = {"emul1", "df1", "df2"};
        for (int d = 0; d < disks.size(); ++d)
            row[diskColumns[d]] = disks[d];

        if (g.song) {
            const QString path =
                musicDir + stem + (c64 ? QStringLiteral(".sid") : QStringLiteral(".mod"));
            const QByteArray music =
                c64 ? makePsid(plainText(title).toLatin1(),
                               plainText(QString::fromUtf8(g.music)).toLatin1(),
                               QByteArray(g.year) + ' ' +
                                   plainText(QString::fromUtf8(g.sh)).toLatin1(),
                               seed)
                    : makeMod(plainText(title).toLower().toLatin1(), seed);
            if (!out.write(path, music))
                return false;
            row["song"] = path;
        }
        for (int shot = 1; shot <= g.shots; ++shot) {
            const QString path = shotDir + stem + QStringLiteral("-%1.png").arg(shot);
            const QImage image =
                c64 ? makeC64Screenshot(title, shot, seed) : makeAmigaScreenshot(title, shot, seed);
            if (!out.writePng(path, image))
                return false;
            row[shot == 1 ? "screen1" : "screen2"] = path;
        }

        row["titolo"] = title;
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
            row[column] = text(value);

        QVariantList values;
        for (const QString &column : catalogue::gameColumns())
            values.append(row.value(column, QVariant(QMetaType(QMetaType::QString))));
        if (!catalogue.addGame(values, error))
            return false;
    }
    return catalogue.finish(error);
}

} // namespace sampledata
