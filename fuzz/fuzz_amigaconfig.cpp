// Amiga configuration writer: the streaming rewriter against a plain line-by-line model,
// for any template bytes and any way of cutting them into pieces; now and then the same
// template goes through the file writer.
#include "amigaconfigwriter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace
{

const AmigaDrives kDrives{QStringLiteral("A:\\GAME1.ADF"), QVariant(), QString(""),
                          QStringLiteral("/games/d\xfc sk\r\n4.adf")};

// The rules applied to whole lines, the obvious way.
QByteArray model(const QByteArray &text, AmigaEmulator emulator, bool hideGui)
{
    QByteArray out;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        qsizetype end = i;
        while (end < n && text[end] != '\r' && text[end] != '\n')
            ++end;
        const QByteArray line = text.mid(i, end - i);
        bool replaced = false;
        for (int d = 0; d < 4 && !replaced; ++d)
            if (line.startsWith(QByteArray("floppy" + QByteArray::number(d)))) {
                QByteArray value =
                    kDrives[d].isNull() ? QByteArray() : kDrives[d].toString().toUtf8();
                value.replace("\r", "").replace("\n", "");
                out += "floppy" + QByteArray::number(d) + '=' + value;
                replaced = true;
            }
        if (!replaced && hideGui && emulator == AmigaEmulator::WinUAE && line.startsWith("use_gui"))
            out += "use_gui=false", replaced = true;
        if (!replaced && hideGui && emulator == AmigaEmulator::WinFellow &&
            line.startsWith("usegui"))
            out += "usegui=no", replaced = true;
        if (!replaced)
            out += line;
        out += "\r\n";
        if (end == n)
            break;
        i = end + 1;
        if (text[end] == '\r' && i < n && text[i] == '\n')
            ++i;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t flags = data[0];
    uint32_t seed = data[1] + 1u;
    const QByteArray text(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const AmigaEmulator emulator = flags & 1 ? AmigaEmulator::WinFellow : AmigaEmulator::WinUAE;
    const bool hideGui = flags & 2;

    const QByteArray expected = model(text, emulator, hideGui);
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

    // The file writer syncs to disk, which is slow: one input in 64 goes through it.
    if ((flags & 0xfc) == 0x04) {
        static QTemporaryDir dir;
        const QString tmpl = dir.filePath(QStringLiteral("t.uae"));
        QFile file(tmpl);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return 0;
        file.close();
        AmigaConfigRequest request;
        request.emulator = emulator;
        request.templatePath = tmpl;
        request.drives = kDrives;
        request.hideGui = hideGui;
        request.outputPath = dir.filePath(amigaOutputName(emulator));
        if (!writeAmigaConfig(request).ok())
            std::abort();
        QFile written(request.outputPath);
        if (!written.open(QIODevice::ReadOnly) || written.readAll() != expected)
            std::abort();
    }
    return 0;
}
