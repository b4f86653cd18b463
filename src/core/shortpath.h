#pragma once

#include <QString>

// The short form of a path for the emulator and player command lines: the 8.3 path on
// Windows; elsewhere the absolute path when the file exists. Empty when it does not.
QString shortPath(const QString &path);
