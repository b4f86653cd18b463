#include "amigaconfigwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace
{

// Every key the rules test is decided by at most this many leading bytes.
constexpr qsizetype kKeyLength = 7;
constexpr qsizetype kChunkSize = 64 * 1024;

// A drive value as the bytes after "floppyN=". Line breaks are dropped: a stored value must
// not smuggle further lines into the emulator's configuration.
QByteArray driveValue(const QVariant &value)
{
    if (value.isNull())
        return {};
    QByteArray bytes = value.toString().toUtf8();
    bytes.removeIf([](char c) { return c == '\r' || c == '\n'; });
    return bytes;
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

QString amigaEmulatorName(AmigaEmulator emulator)
{
    return emulator == AmigaEmulator::WinUAE ? QStringLiteral("WinUAE")
                                             : QStringLiteral("WinFellow");
}

QString amigaTemplatePattern(AmigaEmulator emulator)
{
    return emulator == AmigaEmulator::WinUAE ? QStringLiteral("*.uae") : QStringLiteral("*.wfc");
}

QString amigaOutputName(AmigaEmulator emulator)
{
    return emulator == AmigaEmulator::WinUAE ? QStringLiteral("vantrel.uae")
                                             : QStringLiteral("vantrel.wfc");
}

QString amigaTemplateFolder(AmigaEmulator emulator, const QString &executable)
{
    if (!QDir::fromNativeSeparators(executable).contains(QLatin1Char('/')))
        return {};
    const QString folder = QFileInfo(executable).path();
    if (emulator == AmigaEmulator::WinFellow)
        return QDir::toNativeSeparators(folder);
    return QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("configurations")));
}

Command amigaCommand(const QString &executable, const QString &configuration)
{
    return Command{executable, {QStringLiteral("-f"), configuration}, WindowStyle::NormalFocus};
}

AmigaConfigRewriter::AmigaConfigRewriter(AmigaEmulator emulator, const AmigaDrives &drives,
                                         bool hideGui)
    : m_emulator(emulator), m_hideGui(hideGui)
{
    for (std::size_t i = 0; i < drives.size(); ++i)
        m_driveLines[i] = "floppy" + QByteArray::number(int(i)) + '=' + driveValue(drives[i]);
    m_prefix.reserve(kKeyLength);
}

void AmigaConfigRewriter::feed(QByteArrayView piece, QByteArray &out)
{
    const char *p = piece.data();
    const qsizetype n = piece.size();
    qsizetype i = 0;
    if (m_afterCr && n > 0) {
        m_afterCr = false;
        if (p[0] == '\n')
            i = 1;
    }
    while (i < n) {
        const char *end = std::find_if(p + i, p + n, isLineEnd);
        const qsizetype stop = end - p;
        take(p + i, stop - i, out);
        if (stop == n)
            return; // the line goes on in the next piece
        endLine(out);
        i = stop + 1;
        if (p[stop] == '\r') {
            if (i == n)
                m_afterCr = true;
            else if (p[i] == '\n')
                ++i;
        }
    }
}

void AmigaConfigRewriter::finish(QByteArray &out)
{
    if (m_mode != Mode::Undecided || !m_prefix.isEmpty())
        endLine(out);
    m_afterCr = false;
}

QByteArray AmigaConfigRewriter::rewrite(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size() + 64);
    feed(text, out);
    finish(out);
    return out;
}

void AmigaConfigRewriter::take(const char *data, qsizetype size, QByteArray &out)
{
    if (size <= 0 || m_mode == Mode::Skip)
        return;
    if (m_mode == Mode::Copy) {
        out.append(data, size);
        return;
    }
    const qsizetype wanted = std::min(size, kKeyLength - m_prefix.size());
    m_prefix.append(data, wanted);
    if (m_prefix.size() < kKeyLength)
        return;
    decide(out);
    if (m_mode == Mode::Copy)
        out.append(data + wanted, size - wanted);
}

// Called with kKeyLength bytes of a line, or with the whole of a shorter line.
void AmigaConfigRewriter::decide(QByteArray &out)
{
    const QByteArray *replacement = nullptr;
    static const QByteArray hiddenUae = "use_gui=false";
    static const QByteArray hiddenFellow = "usegui=no";
    if (m_prefix.size() == kKeyLength && m_prefix.startsWith("floppy") && m_prefix[6] >= '0' &&
        m_prefix[6] <= '3')
        replacement = &m_driveLines[std::size_t(m_prefix[6] - '0')];
    else if (m_hideGui && m_emulator == AmigaEmulator::WinUAE && m_prefix.startsWith("use_gui"))
        replacement = &hiddenUae;
    else if (m_hideGui && m_emulator == AmigaEmulator::WinFellow && m_prefix.startsWith("usegui"))
        replacement = &hiddenFellow;

    if (replacement) {
        out += *replacement;
        m_mode = Mode::Skip;
    } else {
        out += m_prefix;
        m_mode = Mode::Copy;
    }
    m_prefix.clear();
}

void AmigaConfigRewriter::endLine(QByteArray &out)
{
    if (m_mode == Mode::Undecided)
        decide(out);
    out += "\r\n";
    m_mode = Mode::Undecided;
}

AmigaConfigResult writeAmigaConfig(const AmigaConfigRequest &request)
{
    using Status = AmigaConfigResult::Status;
    if (request.templatePath.isEmpty())
        return {Status::NoTemplate, QStringLiteral("No configuration template is selected")};
    const QString shown = QDir::toNativeSeparators(request.templatePath);
    // Only a regular file: a folder, a pipe or a device could block or never end.
    const QFileInfo info(request.templatePath);
    if (!info.exists())
        return {Status::TemplateUnreadable,
                QStringLiteral("The template %1 does not exist").arg(shown)};
    if (!info.isFile())
        return {Status::TemplateUnreadable,
                QStringLiteral("The template %1 is not a file").arg(shown)};
    QFile input(request.templatePath);
    if (!input.open(QIODevice::ReadOnly))
        return {Status::TemplateUnreadable,
                QStringLiteral("Cannot read the template %1: %2").arg(shown, input.errorString())};

    const QString target = QDir::toNativeSeparators(request.outputPath);
    QSaveFile output(request.outputPath);
    if (request.outputPath.isEmpty() || !output.open(QIODevice::WriteOnly))
        return {Status::OutputUnwritable,
                QStringLiteral("Cannot write %1: %2").arg(target, output.errorString())};

    AmigaConfigRewriter rewriter(request.emulator, request.drives, request.hideGui);
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    QByteArray out;
    out.reserve(kChunkSize + 64);
    const auto flush = [&] {
        const bool written = out.isEmpty() || output.write(out) == out.size();
        out.clear();
        return written;
    };
    for (;;) {
        const qint64 got = input.read(chunk.data(), chunk.size());
        if (got < 0) {
            output.cancelWriting();
            return {
                Status::TemplateUnreadable,
                QStringLiteral("Cannot read the template %1: %2").arg(shown, input.errorString())};
        }
        if (got == 0)
            break;
        rewriter.feed(QByteArrayView(chunk.constData(), got), out);
        if (!flush())
            break;
    }
    rewriter.finish(out);
    flush();
    if (!output.commit())
        return {Status::OutputUnwritable,
                QStringLiteral("Cannot write %1: %2").arg(target, output.errorString())};
    return {};
}
