#include "choosersetup.h"

#include <QCoreApplication>

namespace
{

QString caption(const char *text)
{
    return QCoreApplication::translate("ChooserSetup", text);
}

ChooserSetup program(const char *text)
{
    return {caption(text), ChooserWidth::Files, true, false, ChooserStore::None};
}

ChooserSetup folder(const char *text)
{
    return {caption(text), ChooserWidth::FoldersOnly, false, false, ChooserStore::None};
}

ChooserSetup media(const char *text, ChooserWidth width, ChooserStore store)
{
    return {caption(text), width, false, true, store};
}

} // namespace

ChooserSetup chooserSetup(ChooserPurpose purpose)
{
    const auto preview = ChooserWidth::FilesWithPreview;
    const auto files = ChooserWidth::Files;
    switch (purpose) {
    case ChooserPurpose::Ccs64Program:
        return program(QT_TRANSLATE_NOOP("ChooserSetup", "Select executable for CCS64 Emulator"));
    case ChooserPurpose::ViceProgram:
        return program(QT_TRANSLATE_NOOP("ChooserSetup", "Select executable for VICE Emulator"));
    case ChooserPurpose::C64sProgram:
        return program(QT_TRANSLATE_NOOP("ChooserSetup", "Select executable for C64S Emulator"));
    case ChooserPurpose::Pc64Program:
        return program(QT_TRANSLATE_NOOP("ChooserSetup", "Select executable for PC64 Emulator"));
    case ChooserPurpose::C64GamesFolder:
        return folder(QT_TRANSLATE_NOOP("ChooserSetup", "Select directory of C64 Games"));
    case ChooserPurpose::C64ScreenshotsFolder:
        return folder(QT_TRANSLATE_NOOP("ChooserSetup", "Select directory of C64 Screenshots"));
    case ChooserPurpose::C64MusicFolder:
        return folder(QT_TRANSLATE_NOOP("ChooserSetup", "Select directory of C64 Music"));
    case ChooserPurpose::FellowProgram:
        return program(QT_TRANSLATE_NOOP("ChooserSetup", "Select executable for FELLOW Emulator"));
    case ChooserPurpose::UaeProgram:
        return program(QT_TRANSLATE_NOOP("ChooserSetup", "Select executable for UAE Emulator"));
    case ChooserPurpose::AmigaGamesFolder:
        return folder(QT_TRANSLATE_NOOP("ChooserSetup", "Select directory of Amiga Games"));
    case ChooserPurpose::AmigaScreenshotsFolder:
        return folder(QT_TRANSLATE_NOOP("ChooserSetup", "Select directory of Amiga Screenshots"));
    case ChooserPurpose::AmigaMusicFolder:
        return folder(QT_TRANSLATE_NOOP("ChooserSetup", "Select directory of Amiga Music"));
    case ChooserPurpose::SoundPlayer1Program:
    case ChooserPurpose::SoundPlayer2Program:
        return program(QT_TRANSLATE_NOOP("ChooserSetup", "Select executable for Sound Player"));
    case ChooserPurpose::Screenshot1:
    case ChooserPurpose::Screenshot2:
        return media(QT_TRANSLATE_NOOP("ChooserSetup", "Screenshot Selector"), preview,
                     ChooserStore::None);
    case ChooserPurpose::StoreScreenshot1:
        return media(QT_TRANSLATE_NOOP("ChooserSetup", "Screenshot Selector"), preview,
                     ChooserStore::Screenshot1);
    case ChooserPurpose::StoreScreenshot2:
        return media(QT_TRANSLATE_NOOP("ChooserSetup", "Screenshot Selector"), preview,
                     ChooserStore::Screenshot2);
    case ChooserPurpose::GameFile:
        return media(QT_TRANSLATE_NOOP("ChooserSetup", "Select File Game"), files,
                     ChooserStore::None);
    case ChooserPurpose::StoreGameDisks:
        return media(QT_TRANSLATE_NOOP("ChooserSetup", "Select File Game"), files,
                     ChooserStore::GameDisks);
    case ChooserPurpose::MusicFile:
        return media(QT_TRANSLATE_NOOP("ChooserSetup", "Select File Music"), files,
                     ChooserStore::None);
    case ChooserPurpose::StoreMusicFile:
        return media(QT_TRANSLATE_NOOP("ChooserSetup", "Select File Music"), files,
                     ChooserStore::Song);
    }
    return {};
}

bool offersOtherDisk(const QString &machine)
{
    return machine.startsWith(QLatin1String("Ami"));
}

std::optional<Game::Field> storedField(ChooserStore store, int diskCounter)
{
    using F = Game::Field;
    static constexpr F kDisks[kMaxGameDisks] = {F::GameFile, F::SecondDrive, F::ThirdDrive,
                                                F::FourthDrive};
    switch (store) {
    case ChooserStore::GameDisks:
        if (diskCounter < 0 || diskCounter >= kMaxGameDisks)
            return std::nullopt;
        return kDisks[diskCounter];
    case ChooserStore::Song:
        return F::MusicFile;
    case ChooserStore::Screenshot1:
        return F::Screenshot1;
    case ChooserStore::Screenshot2:
        return F::Screenshot2;
    case ChooserStore::None:
        break;
    }
    return std::nullopt;
}

namespace
{

const QString kPictures =
    QStringLiteral("*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.webp;*.tif;*.tiff;*.pcx;*.iff;*.ilbm");
const QString kC64Games =
    QStringLiteral("*.d64;*.t64;*.prg;*.p00;*.g64;*.d71;*.d81;*.tap;*.crt;*.x64;*.lnx;*.zip;*.gz");
const QString kAmigaGames = QStringLiteral("*.adf;*.adz;*.dms;*.ipf;*.hdf;*.zip;*.gz");
const QString kC64Music = QStringLiteral("*.sid;*.mus;*.str;*.psid;*.rsid");
const QString kAmigaMusic =
    QStringLiteral("*.mod;mod.*;*.med;*.xm;*.s3m;*.it;*.ahx;*.thx;*.mdat;*.sfx;*.okt");

FileFilter kind(const char *text, const QString &patterns)
{
    return {caption(text), patterns};
}

// The machine's own kind first; for an unknown machine both kinds together, then each.
QList<FileFilter> byMachine(const QString &machine, const FileFilter &c64, const FileFilter &amiga,
                            const char *both)
{
    if (machine.isEmpty())
        return {kind(both, c64.patterns + QLatin1Char(';') + amiga.patterns), c64, amiga};
    if (machine.startsWith(QLatin1Char('C'), Qt::CaseInsensitive))
        return {c64};
    return {amiga};
}

} // namespace

QList<FileFilter> chooserFilters(ChooserPurpose purpose, const QString &machine)
{
    QList<FileFilter> filters;
    switch (purpose) {
    case ChooserPurpose::Screenshot1:
    case ChooserPurpose::Screenshot2:
    case ChooserPurpose::StoreScreenshot1:
    case ChooserPurpose::StoreScreenshot2:
        filters << kind(QT_TRANSLATE_NOOP("ChooserSetup", "Pictures"), kPictures);
        break;
    case ChooserPurpose::GameFile:
    case ChooserPurpose::StoreGameDisks:
        filters << byMachine(machine,
                             kind(QT_TRANSLATE_NOOP("ChooserSetup", "C64 games"), kC64Games),
                             kind(QT_TRANSLATE_NOOP("ChooserSetup", "Amiga games"), kAmigaGames),
                             QT_TRANSLATE_NOOP("ChooserSetup", "C64 and Amiga games"));
        break;
    case ChooserPurpose::MusicFile:
    case ChooserPurpose::StoreMusicFile:
        filters << byMachine(machine,
                             kind(QT_TRANSLATE_NOOP("ChooserSetup", "C64 music"), kC64Music),
                             kind(QT_TRANSLATE_NOOP("ChooserSetup", "Amiga music"), kAmigaMusic),
                             QT_TRANSLATE_NOOP("ChooserSetup", "C64 and Amiga music"));
        break;
    default:
        break;
    }
    filters << kind(QT_TRANSLATE_NOOP("ChooserSetup", "All files"), QStringLiteral("*"));
    return filters;
}
