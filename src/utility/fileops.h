#pragma once

#include <QString>

#include <functional>

namespace merrow
{

// Moves from over to, replacing what is at to in one step; *error says why not.
bool replaceFile(const QString &from, const QString &to, QString *error);

// Copies source to destination through a temporary name beside the destination, so that
// destination is either the complete copy or what it was before. verify, when given, looks
// at the finished copy before it is put in place and returns why it is unfit.
bool copyIntoPlace(const QString &source, const QString &destination, QString *error,
                   const std::function<QString(const QString &)> &verify = {});

// The work file name in a folder: the folder itself when it is a root, else with a
// separator ("/" + "export.mdb" gives "/export.mdb", "/mnt/a" gives "/mnt/a/export.mdb").
QString exportFilePath(const QString &folder);

} // namespace merrow
