#pragma once

#include <QStringList>
#include <QVariantMap>

// What another program changed in a game while an editor held it open. Rows are keyed by
// lower-case column name, as gamerecords reads them.
namespace editconflict
{

// The columns the editor loaded and is about to write whose stored value has moved away
// from the loaded one and differs from the one to be written: writing would undo another
// program's change. In the catalogue's column order. Null and empty text are one value,
// since an editor stores an empty box as Null.
QStringList lostColumns(const QVariantMap &loaded, const QVariantMap &stored,
                        const QVariantMap &written);

// How the editors name a column ("titolo": "Title"); the column itself for one they do not
// show.
QString fieldCaption(const QString &column);

} // namespace editconflict
