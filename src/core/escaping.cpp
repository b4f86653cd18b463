#include "escaping.h"

#include <algorithm>

namespace
{

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

} // namespace

QString escapeControls(QStringView text)
{
    qsizetype first = 0;
    while (first < text.size() && !isControl(text[first].unicode()))
        ++first;
    if (first == text.size())
        return text.toString();
    QString out = text.first(first).toString();
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!isControl(c))
            out += QChar(c);
        else if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c == u'\t')
            out += QLatin1String("\\t");
        else
            out += QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
    }
    return out;
}

QString escapeControls(const QString &text)
{
    const bool plain =
        std::none_of(text.begin(), text.end(), [](QChar c) { return isControl(c.unicode()); });
    return plain ? text : escapeControls(QStringView(text));
}
