#include "c64commandline.h"

#include <QStringList>

namespace
{

bool endsWithAny(const QString &text, std::initializer_list<const char *> tails)
{
    const QString x = text.right(4);
    for (const char *t : tails)
        if (x == QLatin1String(t))
            return true;
    return false;
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

} // namespace

const C64EmulatorInfo &c64EmulatorInfo(C64Emulator emulator)
{
    static const C64EmulatorInfo table[] = {
        {QStringLiteral("CCS64"), QStringLiteral("ccs64"), Configuration::Path::Ccs64,
         WindowStyle::NormalFocus},
        {QStringLiteral("VICE"), QStringLiteral("vice"), Configuration::Path::Vice,
         WindowStyle::NormalFocus},
        {QStringLiteral("C64S"), QStringLiteral("c64s"), Configuration::Path::C64s,
         WindowStyle::MinimizedFocus},
        {QStringLiteral("PC64"), QStringLiteral("pc64"), Configuration::Path::Pc64,
         WindowStyle::NormalFocus},
    };
    return table[static_cast<int>(emulator)];
}

QString pathTail(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i]))
            return path.mid(i);
    return path;
}

std::optional<QString> c64EntryName(const QString &line)
{
    if (line.size() < 2)
        return std::nullopt;
    const qsizetype close = line.indexOf(QLatin1Char('"'), 1);
    if (close < 0)
        return std::nullopt;
    return line.mid(1, close - 1);
}

namespace
{

// C64S takes the folder and the "\name" of the image apart, and types the load itself.
QStringList c64sArguments(const QString &path, bool disk)
{
    const QString name = pathTail(path);
    QString folder = path.left(path.size() - name.size());
    // A file in the root of a Unix tree would otherwise name no folder at all.
    if (folder.isEmpty() && name.startsWith(QLatin1Char('/')))
        folder = QStringLiteral("/");
    return {disk ? QStringLiteral("-diskdir") : QStringLiteral("-tapedir"),
            folder,
            disk ? QStringLiteral("-disk") : QStringLiteral("-tape"),
            name,
            QStringLiteral("-autotype"),
            disk ? QStringLiteral("LOAD$22*$22,8,1$0DRUN$0D") : QStringLiteral("LOAD$0DRUN$0D"),
            QStringLiteral("-1541")};
}

} // namespace

C64CommandResult buildC64Command(C64Emulator emulator, const QString &emulatorPath,
                                 const QString &shortPath, int selectedIndex,
                                 const QString &selectedText)
{
    C64CommandResult result;
    Command &c = result.command;
    c.program = emulatorPath;
    c.windowStyle = c64EmulatorInfo(emulator).style;
    if (emulatorPath.isEmpty()) {
        result.status = C64CommandResult::Status::NotConfigured;
        return result;
    }

    const QString &s = shortPath;
    switch (emulator) {
    case C64Emulator::Ccs64:
        if (s.isEmpty())
            break;
        c.arguments << (selectedIndex != 0 ? s + QLatin1Char(',') + QString::number(selectedIndex)
                                           : s);
        return result;
    case C64Emulator::Vice: {
        if (s.isEmpty())
            break;
        const std::optional<QString> name =
            selectedIndex != 0 ? c64EntryName(selectedText) : std::nullopt;
        c.arguments << (name ? s + QLatin1Char(':') + name->toLower() : s);
        return result;
    }
    case C64Emulator::C64s: {
        const bool disk = endsWithAny(s, {".D64", ".d64"});
        if (!disk && !endsWithAny(s, {".T64", ".t64"})) {
            result.status = C64CommandResult::Status::Unsupported;
            return result;
        }
        c.arguments = c64sArguments(s, disk);
        return result;
    }
    case C64Emulator::Pc64:
        if (!endsWithAny(s, {".D64", ".d64", ".P00", ".p00"})) {
            result.status = C64CommandResult::Status::Unsupported;
            return result;
        }
        c.arguments << s;
        return result;
    }
    result.status = C64CommandResult::Status::NoImage;
    return result;
}
