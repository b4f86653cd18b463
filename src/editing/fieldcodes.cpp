#include "fieldcodes.h"

#include "gamerecords.h"

#include <array>

namespace
{

const std::array<FieldCode, 9> &codes()
{
    static const std::array<FieldCode, 9> table = {{
        {"gr", "Modify Graphics", "Graphics", "graphics", "Additional Graphics", "addgraphics"},
        {"de", "Modify Design", "Design", "design", "Additional Design", "adddesign"},
        {"pr", "Modify Programming", "Programming", "programming", "Additional Programming",
         "addprogramming"},
        {"mu", "Modify Music", "Music", "music", "Additional Music", "addmusic"},
        {"te", "Modify Team", "Team", "team", {}, {}},
        {"na", "Modify Title", "Title", "titolo", {}, {}},
        {"pu", "Modify Publisher", "Publisher", "sh", {}, {}},
        {"ge", "Modify Genre", "Genre", "tipo", {}, {}},
        {"ye", "Modify Year", "Year", "year", {}, {}},
    }};
    return table;
}

} // namespace

QVariantMap FieldCode::values(const QString &box1, const QString &box2) const
{
    QVariantMap map;
    map.insert(field1, gamerecords::storedText(box1));
    if (isPair())
        map.insert(field2, gamerecords::storedText(box2));
    return map;
}

const FieldCode *findFieldCode(const QString &code)
{
    for (const FieldCode &c : codes())
        if (c.code == code)
            return &c;
    return nullptr;
}
