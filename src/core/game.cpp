#include "game.h"

#include <QStringList>

#include <array>
#include <utility>

namespace
{

using F = Game::Field;

constexpr std::array<std::pair<F, QString Game::*>, 26> kMembers = {{
    {F::Title, &Game::title},
    {F::Publisher, &Game::publisher},
    {F::Team, &Game::team},
    {F::Year, &Game::year},
    {F::Genre, &Game::genre},
    {F::Machine, &Game::machine},
    {F::Design, &Game::design},
    {F::Programming, &Game::programming},
    {F::Graphics, &Game::graphics},
    {F::Music, &Game::music},
    {F::AdditionalDesign, &Game::additionalDesign},
    {F::AdditionalProgramming, &Game::additionalProgramming},
    {F::AdditionalGraphics, &Game::additionalGraphics},
    {F::AdditionalMusic, &Game::additionalMusic},
    {F::OtherCredits, &Game::otherCredits},
    {F::Note, &Game::note},
    {F::Rating, &Game::rating},
    {F::Emulator, &Game::emulator},
    {F::GameFile, &Game::gameFile},
    {F::SecondDrive, &Game::drive2},
    {F::ThirdDrive, &Game::drive3},
    {F::FourthDrive, &Game::drive4},
    {F::MusicFile, &Game::musicFile},
    {F::Screenshot1, &Game::screenshot1},
    {F::Screenshot2, &Game::screenshot2},
    {F::Origin, &Game::origin},
}};

bool isOneOf(const QString &text, std::initializer_list<QLatin1String> codes)
{
    for (const QLatin1String code : codes)
        if (text.compare(code, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

const QList<Game::Field> &Game::pathFields()
{
    static const QList<Field> fields{Field::GameFile,    Field::SecondDrive, Field::ThirdDrive,
                                     Field::FourthDrive, Field::MusicFile,   Field::Screenshot1,
                                     Field::Screenshot2};
    return fields;
}

const QList<Game::Field> &Game::fields()
{
    static const QList<Field> all = [] {
        QList<Field> list;
        for (const auto &m : kMembers)
            list << m.first;
        return list;
    }();
    return all;
}

QString Game::*Game::member(Field field)
{
    // The table is in enum order.
    return kMembers[size_t(field)].second;
}

QList<Game::Field> Game::differences(const Game &other) const
{
    QList<Field> changed;
    for (const auto &m : kMembers)
        if (this->*m.second != other.*m.second)
            changed << m.first;
    return changed;
}

bool Game::isC64() const
{
    return isOneOf(machine, {QLatin1String("C64"), QLatin1String("C128")});
}

bool Game::isAmiga() const
{
    return isOneOf(machine, {QLatin1String("Amiga"), QLatin1String("Amiga 1.3"),
                             QLatin1String("Amiga 2.x"), QLatin1String("Amiga 3.x")});
}
