#include "configfields.h"

#include "windowrequests.h"

namespace configfields
{

const std::array<Field, 14> &fields()
{
    using P = Configuration::Path;
    using C = ChooserPurpose;
    static const std::array<Field, 14> table = {{
        {P::Ccs64, "ccs64", C::Ccs64Program, "Commodore 64", "CCS64 "},
        {P::Vice, "vice", C::ViceProgram, "Commodore 64", "VICE"},
        {P::C64s, "c64s", C::C64sProgram, "Commodore 64", "C64S"},
        {P::Pc64, "pc64", C::Pc64Program, "Commodore 64", "PC64 Win"},
        {P::C64Games, "game64", C::C64GamesFolder, "Commodore 64", "Directory Games"},
        {P::C64Screenshots, "screen64", C::C64ScreenshotsFolder, "Commodore 64",
         "Directory Screenshots"},
        {P::C64Music, "music64", C::C64MusicFolder, "Commodore 64", "Directory Music"},
        {P::Uae, "uae", C::UaeProgram, "Commodore Amiga", "UAE"},
        {P::Fellow, "fellow", C::FellowProgram, "Commodore Amiga", "Fellow"},
        {P::AmigaGames, "gameamiga", C::AmigaGamesFolder, "Commodore Amiga", "Directory Games"},
        {P::AmigaScreenshots, "screenamiga", C::AmigaScreenshotsFolder, "Commodore Amiga",
         "Directory Screenshots"},
        {P::AmigaMusic, "musicamiga", C::AmigaMusicFolder, "Commodore Amiga", "Directory Music"},
        {P::Player1, "player1", C::SoundPlayer1Program, "Audio Players", "Player 1"},
        {P::Player2, "player2", C::SoundPlayer2Program, "Audio Players", "Player 2"},
    }};
    return table;
}

QString programName(const QString &path, const QString &fallback)
{
    QString name = path.trimmed();
    name = name.mid(qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\')) + 1);
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name.isEmpty() ? fallback : name;
}

} // namespace configfields
