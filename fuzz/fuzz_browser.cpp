// The browser's text parsers: the state file, the credit splitter and the search split.
#include "creditnames.h"
#include "listquery.h"
#include "statefile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto value = browser::firstStateValue(bytes)) {
        const browser::ViewState state = browser::parseState(*value);
        if (browser::stateText(state).size() != 8)
            __builtin_trap();
    }
    const QString text = QString::fromUtf8(bytes);
    const QStringList names = browser::splitCredits(text);
    qsizetype total = 0;
    for (const QString &name : names)
        total += name.size();
    if (total > text.size())
        __builtin_trap();
    browser::creditEntries(text, text.left(text.size() / 2));
    const browser::SearchParts parts = browser::splitSearchText(text);
    if (!parts.second.isEmpty() && parts.first + QLatin1Char('+') + parts.second != text)
        __builtin_trap();
    const browser::SqlClause clause = browser::searchClause(text);
    if (clause.params.size() != 1 && clause.params.size() != 2)
        __builtin_trap();
    return 0;
}
