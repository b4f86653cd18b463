#include "shortpath.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString shortPath(const QString &path)
{
    if (path.isEmpty())
        return {};
#ifdef Q_OS_WIN
    const std::wstring wide = QDir::toNativeSeparators(path).toStdWString();
    DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (needed == 0)
        return {};
    std::wstring buffer(needed, L'\0');
    const DWORD n = GetShortPathNameW(wide.c_str(), buffer.data(), needed);
    if (n == 0 || n >= needed)
        return {};
    buffer.resize(n);
    return QString::fromStdWString(buffer);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return QDir::toNativeSeparators(info.absoluteFilePath());
#endif
}
