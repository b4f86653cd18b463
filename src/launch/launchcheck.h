#pragma once

#include "result.h"

#include <QString>

// Whether a configured program can be started. The failure names its path: it does not
// exist, is not an executable file, or (a bare name) is not found on PATH.
Outcome checkProgram(const QString &program);

// Whether a game file is there: "The game file <path> is missing." when it is not.
Outcome checkGameFile(const QString &path);
