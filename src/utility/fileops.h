#pragma once

#include "result.h"

#include <QString>

#include <functional>

namespace merrow
{

// Moves from over to, replacing what is at to in one step.
Outcome replaceFile(const QString &from, const QString &to);

// Looks at a finished copy before it is put in place; fails with why it is unfit.
using CopyCheck = std::function<Outcome(const QString &copy)>;

// Copies source to destination through a temporary name beside the destination, so that
// destination is either the complete copy or what it was before.
Outcome copyIntoPlace(const QString &source, const QString &destination,
                      const CopyCheck &verify = {});

// The work file name in a folder: the folder itself when it is a root, else with a
// separator ("/" + "export.mdb" gives "/export.mdb", "/mnt/a" gives "/mnt/a/export.mdb").
QString exportFilePath(const QString &folder);

} // namespace merrow
