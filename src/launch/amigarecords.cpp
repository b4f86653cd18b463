#include "amigarecords.h"

#include "configuration.h"
#include "game.h"

#include <QCoreApplication>

QString amigaExecutable(const Configuration &configuration, AmigaEmulator emulator)
{
    return emulator == AmigaEmulator::WinUAE ? configuration.uae : configuration.fellow;
}

AmigaDrives amigaDrives(const Game &game)
{
    return {game.gameFile, game.drive2, game.drive3, game.drive4};
}

AmigaDiskPlan planAmigaDisks(AmigaFormat format, const AmigaDrives &drives,
                             const QStringList &moreDisks)
{
    QStringList set;
    for (const QStringList &part : {QStringList(drives.begin(), drives.end()), moreDisks})
        for (const QString &disk : part)
            if (!disk.isEmpty() && !set.contains(disk))
                set << disk;
    AmigaDiskPlan plan{drives, {}, 0};
    if (format == AmigaFormat::Fellow) {
        // Without further disks the drives stay as stored, gaps included.
        if (!moreDisks.isEmpty())
            for (std::size_t drive = 0; drive < plan.drives.size(); ++drive)
                plan.drives[drive] = set.value(qsizetype(drive));
        plan.unreachable = std::max<qsizetype>(0, set.size() - qsizetype(plan.drives.size()));
        return plan;
    }
    if (set.size() > 1)
        plan.swapList = set.mid(0, AmigaLineRules::kMaxSwapDisks);
    plan.unreachable = std::max<qsizetype>(0, set.size() - AmigaLineRules::kMaxSwapDisks);
    return plan;
}

QString unreachableDisksText(AmigaFormat format)
{
    if (format == AmigaFormat::Fellow)
        return QCoreApplication::translate("AmigaDisks",
                                           "WinFellow has no disk swap list, so only the first "
                                           "four disks of this game are reachable in it.");
    return QCoreApplication::translate(
               "AmigaDisks", "Only the first %1 disks of this game are reachable in the swap list.")
        .arg(AmigaLineRules::kMaxSwapDisks);
}
