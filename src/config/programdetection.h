#pragma once

#include "configrecord.h"

#include <QList>

#include <functional>

// Fills the emulator and player paths from the programs installed on PATH: VICE with
// x64sc or x64, the WinUAE slot with fs-uae or amiberry, the first sound player with
// sidplayfp or sidplay2, the second with xmp or openmpt123.
namespace programdetection
{

struct Found {
    QString column;
    QString path;
};

// The full path of an installed program, empty when there is none.
using Finder = std::function<QString(const QString &program)>;
QString findOnPath(const QString &program);

// Fills each empty value that a candidate is installed for; a filled value is never
// changed. Returns what it filled, in window order.
QList<Found> fillEmpty(configrecord::Values &values, const Finder &find = findOnPath);

// The same on the stored record; writes only when something was found.
bool detectInto(const QSqlDatabase &db, QString *error, const Finder &find = findOnPath);

} // namespace programdetection
