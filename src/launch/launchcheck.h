#pragma once

#include <QString>

// Why a configured program cannot be started, naming its path: it does not exist, is not
// an executable file, or (a bare name) is not found on PATH. Empty when it can be started.
QString programProblem(const QString &program);

// "The game file <path> is missing" when path names no file; empty when it does.
QString missingFileProblem(const QString &path);
