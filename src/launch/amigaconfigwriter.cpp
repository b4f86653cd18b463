#include "amigaconfigwriter.h"

#include "runtimefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <optional>

namespace
{

constexpr qsizetype kHeadLength = AmigaLineRules::kHeadLength;
constexpr qsizetype kChunkSize = 64 * 1024;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Streams the template through the rewriter into output, in chunks.
Outcome streamTemplate(QFile &input, AmigaConfigRewriter &rewriter, QIODevice &output,
                       const QString &target)
{
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    QByteArray out;
    out.reserve(kChunkSize + 64);
    for (;;) {
        const qint64 got = input.read(chunk.data(), chunk.size());
        if (got < 0)
            return Failure{
                QStringLiteral("Cannot read the template %1: %2")
                    .arg(QDir::toNativeSeparators(input.fileName()), input.errorString())};
        if (got > 0)
            rewriter.feed(QByteArrayView(chunk.constData(), got), out);
        else
            rewriter.finish(out);
        if (output.write(out) != out.size())
            return Failure{QStringLiteral("Cannot write %1: %2").arg(target, output.errorString())};
        out.clear();
        if (got == 0)
            return {};
    }
}

} // namespace

AmigaConfigRewriter::AmigaConfigRewriter(AmigaFormat format, const AmigaDrives &drives,
                                         bool hideGui, const QStringList &swapList)
    : m_rules(format, drives, hideGui, swapList),
      // FS-UAE keeps a CR as part of a value.
      m_lineEnd(format == AmigaFormat::FsUae ? "\n" : "\r\n")
{
    m_head.reserve(kHeadLength);
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
    if (m_mode != Mode::Undecided || !m_head.isEmpty())
        endLine(out);
    m_afterCr = false;
    out += m_rules.missingLines(m_lineEnd);
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
    const qsizetype wanted = std::min(size, kHeadLength - m_head.size());
    m_head.append(data, wanted);
    if (m_head.size() < kHeadLength)
        return;
    decide(false, out);
    if (m_mode == Mode::Copy)
        out.append(data + wanted, size - wanted);
}

// Called with kHeadLength bytes of a line, or with the whole of a shorter line.
void AmigaConfigRewriter::decide(bool complete, QByteArray &out)
{
    if (const std::optional<QByteArray> line = m_rules.replacement(m_head, complete)) {
        out += *line;
        m_mode = Mode::Skip;
    } else {
        out += m_head;
        m_mode = Mode::Copy;
    }
    m_head.clear();
}

void AmigaConfigRewriter::endLine(QByteArray &out)
{
    if (m_mode == Mode::Undecided)
        decide(true, out);
    out += m_lineEnd;
    m_mode = Mode::Undecided;
}

Outcome writeAmigaConfig(const AmigaConfigRequest &request, const RuntimeFolder &folder)
{
    if (request.templatePath.isEmpty())
        return Failure{QStringLiteral("No configuration template is selected")};
    const QString shown = QDir::toNativeSeparators(request.templatePath);
    // Only a regular file: a folder, a pipe or a device could block or never end.
    const QFileInfo info(request.templatePath);
    if (!info.exists())
        return Failure{QStringLiteral("The template %1 does not exist").arg(shown)};
    if (!info.isFile())
        return Failure{QStringLiteral("The template %1 is not a file").arg(shown)};
    QFile input(request.templatePath);
    if (!input.open(QIODevice::ReadOnly))
        return Failure{
            QStringLiteral("Cannot read the template %1: %2").arg(shown, input.errorString())};

    const QString target = QDir::toNativeSeparators(folder.filePath(request.outputName));
    const Result<std::unique_ptr<QTemporaryFile>> output = folder.newFile();
    if (!output)
        return Failure{folder.isValid()
                           ? QStringLiteral("Cannot write %1: %2").arg(target, output.error())
                           : output.error()};
    AmigaConfigRewriter rewriter(request.format, request.drives, request.hideGui, request.swapList);
    if (Outcome streamed = streamTemplate(input, rewriter, **output, target); !streamed)
        return streamed;
    if (const Outcome placed = folder.place(**output, request.outputName); !placed)
        return Failure{QStringLiteral("Cannot write %1: %2").arg(target, placed.error())};
    return {};
}
