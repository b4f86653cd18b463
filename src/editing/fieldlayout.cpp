#include "fieldlayout.h"

#include <QCoreApplication>

namespace
{

QString text(const char *source)
{
    return QCoreApplication::translate("FieldLayout", source);
}

using F = Game::Field;

FieldLayout single(const char *caption, const char *label, F field)
{
    return {text(caption), text(label), field, {}, std::nullopt};
}

FieldLayout pair(const char *caption, const char *label, F field, const char *secondLabel, F second)
{
    return {text(caption), text(label), field, text(secondLabel), second};
}

} // namespace

QList<Game::Field> FieldLayout::fields() const
{
    if (second)
        return {first, *second};
    return {first};
}

FieldLayout fieldLayout(GameField field)
{
    switch (field) {
    case GameField::Graphics:
        return pair(QT_TRANSLATE_NOOP("FieldLayout", "Modify Graphics"),
                    QT_TRANSLATE_NOOP("FieldLayout", "Graphics"), F::Graphics,
                    QT_TRANSLATE_NOOP("FieldLayout", "Additional Graphics"), F::AdditionalGraphics);
    case GameField::Design:
        return pair(QT_TRANSLATE_NOOP("FieldLayout", "Modify Design"),
                    QT_TRANSLATE_NOOP("FieldLayout", "Design"), F::Design,
                    QT_TRANSLATE_NOOP("FieldLayout", "Additional Design"), F::AdditionalDesign);
    case GameField::Programming:
        return pair(QT_TRANSLATE_NOOP("FieldLayout", "Modify Programming"),
                    QT_TRANSLATE_NOOP("FieldLayout", "Programming"), F::Programming,
                    QT_TRANSLATE_NOOP("FieldLayout", "Additional Programming"),
                    F::AdditionalProgramming);
    case GameField::Music:
        return pair(QT_TRANSLATE_NOOP("FieldLayout", "Modify Music"),
                    QT_TRANSLATE_NOOP("FieldLayout", "Music"), F::Music,
                    QT_TRANSLATE_NOOP("FieldLayout", "Additional Music"), F::AdditionalMusic);
    case GameField::Team:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Team"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Team"), F::Team);
    case GameField::Title:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Title"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Title"), F::Title);
    case GameField::Publisher:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Publisher"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Publisher"), F::Publisher);
    case GameField::Genre:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Genre"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Genre"), F::Genre);
    case GameField::Year:
        return single(QT_TRANSLATE_NOOP("FieldLayout", "Modify Year"),
                      QT_TRANSLATE_NOOP("FieldLayout", "Year"), F::Year);
    }
    return {};
}
