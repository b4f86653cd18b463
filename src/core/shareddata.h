#pragma once

#include <QString>

// The program's shared data folder: share/vantrel beside the executable's bin folder when
// it exists (an install, wherever it was moved), else the executable's folder (a build tree).
QString sharedDataFolder(const QString &programDir);
