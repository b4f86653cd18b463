#include "fieldcaption.h"

#include "cataloguestore.h"

#include <QCoreApplication>

namespace
{

using F = Game::Field;

struct Caption {
    F field;
    const char *caption;
};

constexpr Caption kCaptions[] = {
    {F::Title, QT_TRANSLATE_NOOP("FieldCaption", "Title")},
    {F::Publisher, QT_TRANSLATE_NOOP("FieldCaption", "Publisher")},
    {F::Team, QT_TRANSLATE_NOOP("FieldCaption", "Team")},
    {F::Year, QT_TRANSLATE_NOOP("FieldCaption", "Year")},
    {F::Genre, QT_TRANSLATE_NOOP("FieldCaption", "Genre")},
    {F::Machine, QT_TRANSLATE_NOOP("FieldCaption", "Machine")},
    {F::Design, QT_TRANSLATE_NOOP("FieldCaption", "Design / Concept")},
    {F::Programming, QT_TRANSLATE_NOOP("FieldCaption", "Programming")},
    {F::Graphics, QT_TRANSLATE_NOOP("FieldCaption", "Graphics")},
    {F::Music, QT_TRANSLATE_NOOP("FieldCaption", "Music / Sfx")},
    {F::AdditionalDesign, QT_TRANSLATE_NOOP("FieldCaption", "Additional Design")},
    {F::AdditionalProgramming, QT_TRANSLATE_NOOP("FieldCaption", "Additional Programming")},
    {F::AdditionalGraphics, QT_TRANSLATE_NOOP("FieldCaption", "Additional Graphics")},
    {F::AdditionalMusic, QT_TRANSLATE_NOOP("FieldCaption", "Additional Music")},
    {F::OtherCredits, QT_TRANSLATE_NOOP("FieldCaption", "Other Credits")},
    {F::Note, QT_TRANSLATE_NOOP("FieldCaption", "Note")},
    {F::GameFile, QT_TRANSLATE_NOOP("FieldCaption", "File Game")},
    {F::SecondDrive, "DF1:"},
    {F::ThirdDrive, "DF2:"},
    {F::FourthDrive, "DF3:"},
    {F::MusicFile, QT_TRANSLATE_NOOP("FieldCaption", "File Music")},
    {F::Screenshot1, QT_TRANSLATE_NOOP("FieldCaption", "Screenshot 1")},
    {F::Screenshot2, QT_TRANSLATE_NOOP("FieldCaption", "Screenshot 2")},
};

} // namespace

QString fieldCaption(Game::Field field)
{
    for (const Caption &c : kCaptions)
        if (c.field == field)
            return QCoreApplication::translate("FieldCaption", c.caption);
    return CatalogueStore::column(field);
}
