#include "credits.h"

namespace browser
{

void esaminanome(QString &nome)
{
    if (nome.startsWith(QLatin1Char(' ')))
        nome.remove(0, 1);
    if (nome.endsWith(QLatin1Char(' ')))
        nome.chop(1);
}

QStringList splitCredits(const QString &text)
{
    QStringList names;
    if (text.isEmpty())
        return names;
    QString nome;
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool pending = false; // characters read since the last separator
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(',') || c == QLatin1Char('&')) {
            esaminanome(nome);
            names << nome;
            nome.clear();
            pending = false;
            i += 2; // the separator and the blank after it
            continue;
        }
        nome += c;
        pending = true;
        ++i;
    }
    // A separator at (or one before) the end leaves no name behind it.
    if (pending) {
        esaminanome(nome);
        names << nome;
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
