#pragma once

#include "result.h"

#include <QByteArray>
#include <QString>

class RuntimeFolder;

// Writes content as name in the user's private folder and gives its full path. A file of
// that name is replaced only once the new one is written completely.
Result<QString> placeRuntimeFile(const RuntimeFolder &folder, const QString &name,
                                 const QByteArray &content);
