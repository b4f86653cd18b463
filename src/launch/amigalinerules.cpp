#include "amigalinerules.h"

namespace
{

// A drive value as the bytes after the key. Line breaks are dropped: a stored value must
// not smuggle further lines into the emulator's configuration. checkAmigaStart refuses
// such a path before this, so a start never goes on with a path other than the checked one.
QByteArray driveValue(const QString &value)
{
    QByteArray bytes = value.toUtf8();
    bytes.removeIf([](char c) { return c == '\r' || c == '\n'; });
    return bytes;
}

// WinUAE and Amiberry start with two drives and switch DF2 and DF3 off.
constexpr int kUaeDefaultDrives = 2;

} // namespace

AmigaLineRules::AmigaLineRules(AmigaFormat format, const AmigaDrives &drives, bool hideGui,
                               const QStringList &swapList)
    : m_format(format), m_hideGui(hideGui)
{
    // WinFellow has no swap list.
    if (format != AmigaFormat::Fellow)
        for (const QString &disk : swapList.mid(0, kMaxSwapDisks))
            m_swap << driveValue(disk);
    for (std::size_t i = 0; i < drives.size(); ++i) {
        m_values[i] = driveValue(drives[i]);
        if (!m_values[i].isEmpty())
            m_drivesUsed = int(i) + 1;
    }
}

QByteArray AmigaLineRules::driveKey(int drive) const
{
    return (m_format == AmigaFormat::FsUae ? "floppy_drive_" : "floppy") +
           QByteArray::number(drive);
}

QByteArray AmigaLineRules::swapKey(int slot) const
{
    return (m_format == AmigaFormat::FsUae ? "floppy_image_" : "diskimage") +
           QByteArray::number(slot);
}

// A swap key of the template becomes the list's disk for it, or a bare key beyond the list,
// so that no disk of another game is left in the emulator's list.
std::optional<QByteArray> AmigaLineRules::swapLine(QByteArrayView key)
{
    if (m_swap.isEmpty())
        return std::nullopt;
    for (int slot = 0; slot < kMaxSwapDisks; ++slot)
        if (key == swapKey(slot)) {
            m_swapSeen[std::size_t(slot)] = true;
            const char *separator = m_format == AmigaFormat::FsUae ? " = " : "=";
            return swapKey(slot) + separator + m_swap.value(slot);
        }
    return std::nullopt;
}

QByteArray AmigaLineRules::countKey() const
{
    switch (m_format) {
    case AmigaFormat::Uae:
        return "nr_floppies";
    case AmigaFormat::FsUae:
        return "floppy_drive_count";
    case AmigaFormat::Fellow:
        break;
    }
    return {};
}

std::optional<QByteArray> AmigaLineRules::replacement(QByteArrayView head, bool complete)
{
    if (m_hideGui && m_format == AmigaFormat::Uae && head.startsWith("use_gui"))
        return QByteArray("use_gui=false");
    if (m_hideGui && m_format == AmigaFormat::Fellow && head.startsWith("usegui"))
        return QByteArray("usegui=no");
    const qsizetype equals = head.indexOf('=');
    if (equals < 0 && !complete)
        return std::nullopt; // a key longer than the head is no key of ours
    const QByteArrayView key = head.first(equals < 0 ? head.size() : equals).trimmed();
    const QByteArrayView value = equals < 0 ? QByteArrayView() : head.sliced(equals + 1).trimmed();
    for (int drive = 0; drive < 4; ++drive)
        if (key == driveKey(drive)) {
            m_driveSeen[std::size_t(drive)] = true;
            const char *separator = m_format == AmigaFormat::FsUae ? " = " : "=";
            return driveKey(drive) + separator + m_values[std::size_t(drive)];
        }
    if (std::optional<QByteArray> swap = swapLine(key))
        return swap;
    if (!complete)
        return std::nullopt;
    if (!countKey().isEmpty() && key == countKey()) {
        m_countSeen = true;
        return driveCountLine(key, value);
    }
    return driveTypeLine(key, value);
}

std::optional<QByteArray> AmigaLineRules::driveCountLine(QByteArrayView key,
                                                         QByteArrayView value) const
{
    bool number = false;
    const int count = value.toByteArray().toInt(&number);
    if (!number || count >= m_drivesUsed)
        return std::nullopt;
    const char *separator = m_format == AmigaFormat::FsUae ? " = " : "=";
    return key.toByteArray() + separator + QByteArray::number(m_drivesUsed);
}

std::optional<QByteArray> AmigaLineRules::driveTypeLine(QByteArrayView key, QByteArrayView value)
{
    if (m_format != AmigaFormat::Uae || key.size() != 11 || !key.startsWith("floppy") ||
        !key.endsWith("type"))
        return std::nullopt;
    const int drive = key[6] - '0';
    if (drive < 0 || drive > 3)
        return std::nullopt;
    m_typeSeen[std::size_t(drive)] = true;
    if (value != "-1" || m_values[std::size_t(drive)].isEmpty())
        return std::nullopt;
    return key.toByteArray() + "=0";
}

QByteArray AmigaLineRules::missingLines(QByteArrayView lineEnd) const
{
    QByteArray out;
    const char *separator = m_format == AmigaFormat::FsUae ? " = " : "=";
    for (int drive = 0; drive < m_drivesUsed; ++drive) {
        const auto i = std::size_t(drive);
        if (m_values[i].isEmpty())
            continue;
        if (!m_driveSeen[i])
            out += driveKey(drive) + separator + m_values[i] + lineEnd;
        // Without a type line WinUAE leaves DF2 and DF3 switched off.
        if (m_format == AmigaFormat::Uae && drive >= kUaeDefaultDrives && !m_typeSeen[i])
            out += "floppy" + QByteArray::number(drive) + "type=0" + lineEnd;
    }
    const bool uaeNeedsCount = m_format == AmigaFormat::Uae && m_drivesUsed > kUaeDefaultDrives;
    if (uaeNeedsCount && !m_countSeen)
        out += "nr_floppies=" + QByteArray::number(m_drivesUsed) + lineEnd;
    for (qsizetype slot = 0; slot < m_swap.size(); ++slot)
        if (!m_swapSeen[std::size_t(slot)])
            out += swapKey(int(slot)) + separator + m_swap[slot] + lineEnd;
    return out;
}
