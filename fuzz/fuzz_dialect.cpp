// The search dialect on any pattern and text (the input's first line, then the rest): no
// crash, no hang, and answers that agree with each other. A text is found by itself with
// its wildcards bracketed, which holds the folding of patterns and of texts to one measure;
// and what a pattern finds, the pattern between stars finds too.
#include "dialect.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace
{

// A pattern that matches exactly text: each wildcard character as a set of itself.
QString literally(const QString &text)
{
    QString pattern;
    for (const QChar c : text)
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            pattern += u'[' + QString(c) + u']';
        else
            pattern += c;
    return pattern;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype lineEnd = input.indexOf(u'\n');
    const QString pattern = lineEnd < 0 ? input : input.left(lineEnd);
    const QString text = lineEnd < 0 ? QString() : input.mid(lineEnd + 1);
    if (!catalogue::legacyLike(literally(text), text))
        __builtin_trap();
    if (catalogue::legacyLike(pattern, text) &&
        !catalogue::legacyLike(QString(u'*' + pattern + u'*'), text))
        __builtin_trap();
    return 0;
}
