#include "configuration.h"

#include <array>
#include <utility>

namespace
{

using P = Configuration::Path;

constexpr std::array<std::pair<P, QString Configuration::*>, 14> kMembers = {{
    {P::Ccs64, &Configuration::ccs64},
    {P::Vice, &Configuration::vice},
    {P::C64s, &Configuration::c64s},
    {P::Pc64, &Configuration::pc64},
    {P::Uae, &Configuration::uae},
    {P::Fellow, &Configuration::fellow},
    {P::Player1, &Configuration::player1},
    {P::Player2, &Configuration::player2},
    {P::C64Games, &Configuration::c64Games},
    {P::C64Music, &Configuration::c64Music},
    {P::C64Screenshots, &Configuration::c64Screenshots},
    {P::AmigaGames, &Configuration::amigaGames},
    {P::AmigaMusic, &Configuration::amigaMusic},
    {P::AmigaScreenshots, &Configuration::amigaScreenshots},
}};

} // namespace

const QList<Configuration::Path> &Configuration::paths()
{
    static const QList<Path> all = [] {
        QList<Path> list;
        for (const auto &m : kMembers)
            list << m.first;
        return list;
    }();
    return all;
}

QString Configuration::*Configuration::member(Path path)
{
    return kMembers[size_t(path)].second;
}

bool Configuration::isFolder(Path path)
{
    return path >= Path::C64Games;
}
