#include "editconflict.h"

#include "cataloguestore.h"

#include <QCoreApplication>

namespace editconflict
{
namespace
{

bool blank(const QVariant &value)
{
    return value.isNull() || value.toString().isEmpty();
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (blank(a) || blank(b))
        return blank(a) && blank(b);
    return a.toString() == b.toString();
}

struct Caption {
    const char *column;
    const char *caption;
};

constexpr Caption kCaptions[] = {
    {"titolo", QT_TRANSLATE_NOOP("FieldCaption", "Title")},
    {"sh", QT_TRANSLATE_NOOP("FieldCaption", "Publisher")},
    {"team", QT_TRANSLATE_NOOP("FieldCaption", "Team")},
    {"year", QT_TRANSLATE_NOOP("FieldCaption", "Year")},
    {"tipo", QT_TRANSLATE_NOOP("FieldCaption", "Genre")},
    {"formato", QT_TRANSLATE_NOOP("FieldCaption", "Machine")},
    {"design", QT_TRANSLATE_NOOP("FieldCaption", "Design / Concept")},
    {"programming", QT_TRANSLATE_NOOP("FieldCaption", "Programming")},
    {"graphics", QT_TRANSLATE_NOOP("FieldCaption", "Graphics")},
    {"music", QT_TRANSLATE_NOOP("FieldCaption", "Music / Sfx")},
    {"adddesign", QT_TRANSLATE_NOOP("FieldCaption", "Additional Design")},
    {"addprogramming", QT_TRANSLATE_NOOP("FieldCaption", "Additional Programming")},
    {"addgraphics", QT_TRANSLATE_NOOP("FieldCaption", "Additional Graphics")},
    {"addmusic", QT_TRANSLATE_NOOP("FieldCaption", "Additional Music")},
    {"others", QT_TRANSLATE_NOOP("FieldCaption", "Other Credits")},
    {"note", QT_TRANSLATE_NOOP("FieldCaption", "Note")},
    {"emul1", QT_TRANSLATE_NOOP("FieldCaption", "File Game")},
    {"df1", "DF1:"},
    {"df2", "DF2:"},
    {"df3", "DF3:"},
    {"song", QT_TRANSLATE_NOOP("FieldCaption", "File Music")},
    {"screen1", QT_TRANSLATE_NOOP("FieldCaption", "Screenshot 1")},
    {"screen2", QT_TRANSLATE_NOOP("FieldCaption", "Screenshot 2")},
};

} // namespace

QStringList lostColumns(const QVariantMap &loaded, const QVariantMap &stored,
                        const QVariantMap &written)
{
    QStringList lost;
    for (const QString &column : CatalogueStore::gameColumns()) {
        if (!loaded.contains(column) || !written.contains(column))
            continue;
        const QVariant now = stored.value(column);
        if (!sameValue(now, loaded.value(column)) && !sameValue(now, written.value(column)))
            lost << column;
    }
    return lost;
}

QString fieldCaption(const QString &column)
{
    for (const Caption &c : kCaptions)
        if (column == QLatin1String(c.column))
            return QCoreApplication::translate("FieldCaption", c.caption);
    return column;
}

} // namespace editconflict
