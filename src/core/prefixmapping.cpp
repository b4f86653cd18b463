#include "prefixmapping.h"

#include <QRegularExpression>

namespace
{

QStringList splitPath(const QString &path, bool windows)
{
    static const QRegularExpression both(QStringLiteral("[/\\\\]"));
    return windows ? path.split(both, Qt::SkipEmptyParts)
                   : path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

bool startsAtRoot(const QString &path)
{
    return path.startsWith(QLatin1Char('/')) || path.startsWith(QLatin1Char('\\'));
}

bool isUnc(const QString &path)
{
    return path.startsWith(QStringLiteral("\\\\")) || path.startsWith(QStringLiteral("//"));
}

} // namespace

PrefixMapping::PrefixMapping(const QString &from, const QString &to)
    : m_to(to), m_windows(isWindowsStyle(from)), m_absolute(startsAtRoot(from)), m_unc(isUnc(from))
{
    m_from = splitPath(from, m_windows);
    if (m_windows)
        for (QString &part : m_from)
            part = part.toCaseFolded();
}

bool PrefixMapping::isWindowsStyle(const QString &path)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:([/\\\\]|$)"));
    return path.contains(QLatin1Char('\\')) || drive.match(path).hasMatch();
}

QStringList PrefixMapping::components(const QString &path)
{
    return splitPath(path, isWindowsStyle(path));
}

std::optional<QStringList> PrefixMapping::remainder(const QString &path) const
{
    // A rooted beginning matches rooted paths only, and a UNC name (\\server) UNC paths
    // only: /a is not a, and \\server\x is not \server\x.
    if (m_from.isEmpty() || startsAtRoot(path) != m_absolute || isUnc(path) != m_unc)
        return std::nullopt;
    QStringList parts = splitPath(path, m_windows || isWindowsStyle(path));
    if (parts.size() <= m_from.size())
        return std::nullopt;
    for (qsizetype i = 0; i < m_from.size(); ++i) {
        const QString part = m_windows ? parts.at(i).toCaseFolded() : parts.at(i);
        if (part != m_from.at(i))
            return std::nullopt;
    }
    return parts.mid(m_from.size());
}

QString PrefixMapping::leadingPart(const QString &path, int n)
{
    const bool windows = isWindowsStyle(path);
    const auto isSeparator = [windows](QChar c) {
        return c == QLatin1Char('/') || (windows && c == QLatin1Char('\\'));
    };
    qsizetype i = 0;
    while (i < path.size() && isSeparator(path.at(i)))
        ++i;
    for (int seen = 0; i < path.size() && seen < n; ++seen) {
        while (i < path.size() && !isSeparator(path.at(i)))
            ++i;
        while (i < path.size() && isSeparator(path.at(i)))
            ++i;
    }
    return path.left(i);
}
