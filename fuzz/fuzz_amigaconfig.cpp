// Amiga configuration writer: the streaming rewriter against a plain line-by-line model,
// for any template bytes and any way of cutting them into pieces; now and then the same
// template goes through the file writer.
#include "amigaconfigwriter.h"
#include "runtimefolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

#include <unistd.h>

namespace
{

const AmigaDrives kDrives{QStringLiteral("A:\\GAME1.ADF"), QString(), QString(""),
                          QStringLiteral("/games/d\xfc sk\r\n4.adf")};

QByteArray value(int d)
{
    QByteArray v = kDrives[d].toUtf8();
    return v.replace("\r", "").replace("\n", "");
}

// The rules applied to whole lines, the obvious way. A line is judged by its first 256
// bytes: its key must end within them, and only a line that short sets a count or a type.
struct Model {
    AmigaFormat format;
    bool hideGui;
    bool driveSeen[4] = {}, typeSeen[4] = {}, countSeen = false;
    int used = 0;

    QByteArray key(int d) const
    {
        return (format == AmigaFormat::FsUae ? "floppy_drive_" : "floppy") + QByteArray::number(d);
    }
    const char *sep() const { return format == AmigaFormat::FsUae ? " = " : "="; }
    QByteArray line(const QByteArray &l)
    {
        if (hideGui && format == AmigaFormat::Uae && l.startsWith("use_gui"))
            return "use_gui=false";
        if (hideGui && format == AmigaFormat::Fellow && l.startsWith("usegui"))
            return "usegui=no";
        const qsizetype eq = l.indexOf('=');
        const bool shortLine = l.size() <= 256;
        if (!shortLine && (eq < 0 || eq >= 256))
            return l;
        const QByteArray k = l.left(eq < 0 ? l.size() : eq).trimmed();
        const QByteArray v = eq < 0 ? QByteArray() : l.mid(eq + 1).trimmed();
        for (int d = 0; d < 4; ++d)
            if (k == key(d))
                return driveSeen[d] = true, key(d) + sep() + value(d);
        if (!shortLine)
            return l;
        const QByteArray count = format == AmigaFormat::Uae     ? "nr_floppies"
                                 : format == AmigaFormat::FsUae ? "floppy_drive_count"
                                                                : "";
        bool number = false;
        if (!count.isEmpty() && k == count) {
            countSeen = true;
            const int n = v.toInt(&number);
            return number && n < used ? k + sep() + QByteArray::number(used) : l;
        }
        for (int d = 0; d < 4 && format == AmigaFormat::Uae; ++d)
            if (k == "floppy" + QByteArray::number(d) + "type") {
                typeSeen[d] = true;
                return v == "-1" && !value(d).isEmpty() ? k + "=0" : l;
            }
        return l;
    }
    QByteArray rewrite(const QByteArray &text)
    {
        for (int d = 0; d < 4; ++d)
            used = value(d).isEmpty() ? used : d + 1;
        const QByteArray end = format == AmigaFormat::FsUae ? "\n" : "\r\n";
        QByteArray out;
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n;) {
            qsizetype e = i;
            while (e < n && text[e] != '\r' && text[e] != '\n')
                ++e;
            out += line(text.mid(i, e - i)) + end;
            if (e == n)
                break;
            i = e + 1;
            if (text[e] == '\r' && i < n && text[i] == '\n')
                ++i;
        }
        for (int d = 0; d < used; ++d) {
            if (value(d).isEmpty())
                continue;
            if (!driveSeen[d])
                out += key(d) + sep() + value(d) + end;
            if (format == AmigaFormat::Uae && d >= 2 && !typeSeen[d])
                out += "floppy" + QByteArray::number(d) + "type=0" + end;
        }
        if (format == AmigaFormat::Uae && used > 2 && !countSeen)
            out += "nr_floppies=" + QByteArray::number(used) + end;
        return out;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t flags = data[0];
    uint32_t seed = data[1] + 1u;
    const QByteArray text(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const AmigaFormat emulator = flags % 3 == 0   ? AmigaFormat::Uae
                                 : flags % 3 == 1 ? AmigaFormat::Fellow
                                                  : AmigaFormat::FsUae;
    const bool hideGui = flags & 2;

    const QByteArray expected = Model{emulator, hideGui}.rewrite(text);
    if (AmigaConfigRewriter(emulator, kDrives, hideGui).rewrite(text) != expected)
        std::abort();

    AmigaConfigRewriter pieces(emulator, kDrives, hideGui);
    QByteArray out;
    for (qsizetype at = 0; at < text.size();) {
        seed = seed * 1103515245u + 12345u;
        const qsizetype length = qMin<qsizetype>(text.size() - at, (seed >> 16) % 17);
        pieces.feed(QByteArrayView(text.constData() + at, length), out);
        at += length;
    }
    pieces.finish(out);
    if (out != expected)
        std::abort();

    // The file writer is slow next to the rewriter: one input in 64 goes through it.
    if ((flags & 0xfc) == 0x04) {
        static QTemporaryDir dir;
        static const RuntimeFolder folder(QString(), dir.path(), ::geteuid());
        const QString tmpl = dir.filePath(QStringLiteral("t.uae"));
        QFile file(tmpl);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return 0;
        file.close();
        AmigaConfigRequest request;
        request.format = emulator;
        request.templatePath = tmpl;
        request.drives = kDrives;
        request.hideGui = hideGui;
        request.outputName = amigaOutputName(emulator);
        if (!writeAmigaConfig(request, folder).ok())
            std::abort();
        QFile written(folder.filePath(request.outputName));
        if (!written.open(QIODevice::ReadOnly) || written.readAll() != expected)
            std::abort();
    }
    return 0;
}
