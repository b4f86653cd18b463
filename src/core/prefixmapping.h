#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A stored path's old beginning and the folder that replaces it. An old beginning written
// the Windows way (a drive letter, a UNC name or a backslash) is compared slash-agnostic
// and case-blind, as Windows would; any other is compared exactly. Either way it matches
// whole components only: C:\Games does not match C:\Games2\x.d64.
class PrefixMapping
{
public:
    PrefixMapping(const QString &from, const QString &to);

    const QString &to() const { return m_to; }

    // The components of path after the old beginning; nothing when path does not start
    // with it.
    std::optional<QStringList> remainder(const QString &path) const;

    // Whether a path is written the Windows way.
    static bool isWindowsStyle(const QString &path);
    // The components of a path, split at both separators when it is written the Windows
    // way and at slashes only otherwise (a Linux name may hold a backslash).
    static QStringList components(const QString &path);
    // The text of path up to and with its first n components and the separator after
    // them: leadingPart("C:\\Giochi\\C64\\x.d64", 2) is "C:\\Giochi\\".
    static QString leadingPart(const QString &path, int n);

private:
    QString m_to;
    QStringList m_from; // the old beginning's components, folded when Windows-style
    bool m_windows = false;
    bool m_absolute = false;
    bool m_unc = false;
};
