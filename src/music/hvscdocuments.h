#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace music
{

// The HVSC copy that describes a tune: the nearest folder above the tune that holds
// DOCUMENTS/Songlengths.md5, else the caller's HVSC folder when it holds it; empty if neither.
QString findHvscFolder(const QString &tunePath, const QString &hvscFolder);

// Each subtune's length from DOCUMENTS/Songlengths.md5, found by the MD5 of the whole tune
// file as HVSC keys it; nothing known for a tune the database lacks.
QList<std::optional<int>> songLengthsMs(const QString &hvscFolder, const QByteArray &tuneData,
                                        int subtunes);

// The tune's entry in DOCUMENTS/STIL.txt (file comment first); empty when the tune lies
// outside the HVSC folder or has no entry.
QString stilComment(const QString &hvscFolder, const QString &tunePath);

} // namespace music
