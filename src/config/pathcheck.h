#pragma once

#include <QString>

namespace configfields
{

// What is wrong with a configured path, for the user: empty when the path is empty (not
// configured), names an existing folder (for a folder box) or a program that can be run
// (for a program box, also a bare name found on the search path).
QString pathProblem(const QString &path, bool directory);

} // namespace configfields
