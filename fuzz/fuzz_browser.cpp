// The browser's text parsers: the state file, the credit splitter and the search split.
#include "creditnames.h"
#include "gamelistsql.h"
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
    // One search, or two split at the first "+", each bound as "*" text "*".
    const gamelistsql::Clause clause = gamelistsql::searchCondition(text);
    if (clause.params.size() != (text.isEmpty() ? 0 : 1) && clause.params.size() != 2)
        __builtin_trap();
    if (clause.params.size() == 2 && clause.params[0].toString().chopped(1) + QLatin1Char('+') +
                                             clause.params[1].toString().mid(1) !=
                                         QLatin1Char('*') + text + QLatin1Char('*'))
        __builtin_trap();
    return 0;
}
