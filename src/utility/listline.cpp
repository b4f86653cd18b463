#include "listline.h"

namespace merrow
{

QString abbreviation(const QString &code)
{
    static const struct {
        const char *code;
        const char *abbr;
    } known[] = {{"C64", "C64  "},       {"C128", "C128 "},      {"Amiga", "Amiga"},
                 {"Amiga 1.3", "A 1.3"}, {"Amiga 2.x", "A 2.x"}, {"Amiga 3.x", "A 3.x"}};
    for (const auto &k : known)
        if (code == QLatin1String(k.code))
            return QLatin1String(k.abbr);
    return code.left(5).leftJustified(5, QLatin1Char(' '));
}

QString listLine(const QString &machine, const QString &title)
{
    return abbreviation(machine) + QLatin1Char(' ') + title;
}

} // namespace merrow
