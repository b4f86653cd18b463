#include "jetcolumnplace.h"

namespace
{

// The fixed size of a type, or -1 for a variable one. Yes/No values live in the null mask.
int fixedSize(JetType type)
{
    switch (type) {
    case JetType::Boolean:
        return 0;
    case JetType::Integer:
        return 2;
    case JetType::Long:
        return 4;
    case JetType::DateTime:
        return 8;
    case JetType::Text:
    case JetType::Ole:
    case JetType::Memo:
        break;
    }
    return -1;
}

} // namespace

QList<JetColumnPlace> placeColumns(const QList<JetColumn> &columns)
{
    QList<JetColumnPlace> places;
    int offset = 0, varIndex = 0;
    for (const JetColumn &column : columns) {
        JetColumnPlace place;
        const int size = fixedSize(column.type);
        place.fixed = size >= 0;
        if (place.fixed) {
            place.offset = offset;
            place.size = size;
            offset += size;
        } else {
            place.varIndex = varIndex++;
            place.size = column.type == JetType::Text ? 510 : 0; // 255 characters
        }
        places << place;
    }
    return places;
}
