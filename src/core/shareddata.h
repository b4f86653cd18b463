#pragma once

#include <QString>

// The program's shared data folder: <executable folder>/../share/vantrel when it exists
// (an install), else the executable's folder (a build tree).
QString sharedDataFolder(const QString &programDir);
