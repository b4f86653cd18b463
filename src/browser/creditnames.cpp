#include "creditnames.h"

namespace browser
{

void trimOneBlank(QString &name)
{
    if (name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    if (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
}

QStringList splitCredits(const QString &text)
{
    QStringList names;
    if (text.isEmpty())
        return names;
    QString name;
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool pending = false; // characters read since the last separator
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(',') || c == QLatin1Char('&')) {
            trimOneBlank(name);
            names << name;
            name.clear();
            pending = false;
            i += 2; // the separator and the blank after it
            continue;
        }
        name += c;
        pending = true;
        ++i;
    }
    // A separator at (or one before) the end leaves no name behind it.
    if (pending) {
        trimOneBlank(name);
        names << name;
    }
    return names;
}

QStringList creditEntries(const QString &main, const QString &additional)
{
    if (main.isEmpty())
        return {};
    QStringList entries = splitCredits(main);
    if (!additional.isEmpty()) {
        entries << QString() << kAdditionalSeparator;
        entries << splitCredits(additional);
    }
    return entries;
}

} // namespace browser
