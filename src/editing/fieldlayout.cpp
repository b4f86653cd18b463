#include "fieldlayout.h"

#include "gamerecords.h"

#include <QCoreApplication>

namespace
{

QString text(const char *source)
{
    return QCoreApplication::translate("FieldLayout", source);
}

FieldLayout single(const char *caption, const char *label, const char *column)
{
    return {text(caption), text(label), QString::fromLatin1(column), {}, {}};
}

FieldLayout pair(const char *caption, const char *label, const char *column,
                 const char *secondLabel, const char *secondColumn)
{
    return {text(caption), text(label), QString::fromLatin1(column), text(secondLabel),
            QString::fromLatin1(secondColumn)};
}

} // namespace

QVariantMap FieldLayout::values(const QString &first, const QString &second) const
{
    QVariantMap map;
    map.insert(firstColumn, gamerecords::storedText(first));
    if (isPair())
        map.insert(secondColumn, gamerecords::storedText(second));
    return map;
}

FieldLayout fieldLayout(GameField field)
{
    switch (field) {
    case GameField::Graphics:
        return pair(QT_TRANSLATE_NOOP("FieldLayout", "Modify Graphics"),
                    QT_TRANSLATE_NOOP("FieldLayout", "Graphics"), "graphics",
                    QT_TRANSLATE_NOOP("FieldLayout", "Additional Graphics"), "addgraphics");
    case GameField::Design:
        return pair(QT_TRANSLATE_NOOP("FieldLayout", "Modify Design"),
                    QT_TRANSLATE_NOOP("FieldLayout", "Design"), "design",
                    QT_TRANSLATE_NOOP("FieldLayout", "Additional Design"), "adddesign");
    case GameField::Programming:
        return pair(QT_TRANSLATE_NOOP("FieldLayout", "Modify Programming"),
                    QT_TRANSLATE_NOOP("FieldLayout", "Programming"), "programming",
                    QT_TRANSLATE_NOOP("FieldLayout", "Additional Programming"), "addprogramming");
    case GameField::Music:
        return pair(QT_TRANSLATE_NOOP("FieldLayout", "Modify Music"),
                    QT_TRANSLATE_NOOP("FieldLayout", "Music"), "music",
                    QT_TRANSLATE_NOOP("FieldLayout", "Additional Music"), "addmusic");
    case GameField::Team:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Team"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Team"), "team");
    case GameField::Title:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Title"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Title"), "titolo");
    case GameField::Publisher:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Publisher"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Publisher"), "sh");
    case GameField::Genre:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Genre"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Genre"), "tipo");
    case GameField::Year:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Year"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Year"), "year");
    }
    return {};
}
