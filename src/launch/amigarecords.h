#pragma once

#include "amigaconfigwriter.h"

#include <QSqlDatabase>
#include <QVariant>

#include <optional>

// The emulator executables of the configuration record (`uae`, `fellow`), Null when unset.
struct AmigaEmulators {
    QVariant uae;
    QVariant fellow;

    QVariant executable(AmigaEmulator emulator) const
    {
        return emulator == AmigaEmulator::WinUAE ? uae : fellow;
    }
};

// The first configuration record; both Null when there is none or it cannot be read.
AmigaEmulators readAmigaEmulators(const QSqlDatabase &db, QString *error = nullptr);

// The disks of a game (`emul1`, `df1`, `df2`, `df3`); nothing when the game is not there.
std::optional<AmigaDrives> readAmigaDisks(const QSqlDatabase &db, int id, QString *error = nullptr);
