#pragma once

#include "configuration.h"
#include "result.h"

#include <QList>
#include <QSqlDatabase>

#include <functional>

// Fills the emulator and player paths from the programs installed on PATH: VICE with
// x64sc or x64, the WinUAE slot with fs-uae or amiberry, the first sound player with
// sidplayfp or sidplay2, the second with xmp or openmpt123.
namespace programdetection
{

struct Found {
    Configuration::Path path;
    QString program;
    bool operator==(const Found &) const = default;
};

// The full path of an installed program, empty when there is none.
using Finder = std::function<QString(const QString &program)>;
QString findOnPath(const QString &program);

// Fills each empty path that a candidate is installed for; a filled path is never
// changed. Returns what it filled, in window order.
QList<Found> fillEmpty(Configuration &configuration, const Finder &find = findOnPath);

// The same on the stored configuration; writes only the paths it found.
Outcome detectInto(const QSqlDatabase &db, const Finder &find = findOnPath);

} // namespace programdetection
