#include "choosermodes.h"

#include <array>

namespace
{

struct Row {
    const char *word;
    const char *caption;
    ChooserWidth width;
    bool executables;
    bool opensInStartdir;
    ChooserStore store;
};

// The order matters: the first matching word wins.
constexpr std::array<Row, 22> kModes = {{
    {"ccs64", "Select executable for CCS64 Emulator", ChooserWidth::Files, true, false,
     ChooserStore::None},
    {"vice", "Select executable for VICE Emulator", ChooserWidth::Files, true, false,
     ChooserStore::None},
    {"c64s", "Select executable for C64S Emulator", ChooserWidth::Files, true, false,
     ChooserStore::None},
    {"pc64", "Select executable for PC64 Emulator", ChooserWidth::Files, true, false,
     ChooserStore::None},
    {"dirgam64", "Select directory of C64 Games", ChooserWidth::DirectoryOnly, false, false,
     ChooserStore::None},
    {"dirss64", "Select directory of C64 Screenshots", ChooserWidth::DirectoryOnly, false, false,
     ChooserStore::None},
    {"dirmus64", "Select directory of C64 Music", ChooserWidth::DirectoryOnly, false, false,
     ChooserStore::None},
    {"fellow", "Select executable for FELLOW Emulator", ChooserWidth::Files, true, false,
     ChooserStore::None},
    {"uae", "Select executable for UAE Emulator", ChooserWidth::Files, true, false,
     ChooserStore::None},
    {"dirgamami", "Select directory of Amiga Games", ChooserWidth::DirectoryOnly, false, false,
     ChooserStore::None},
    {"dirssami", "Select directory of Amiga Screenshots", ChooserWidth::DirectoryOnly, false, false,
     ChooserStore::None},
    {"dirmusami", "Select directory of Amiga Music", ChooserWidth::DirectoryOnly, false, false,
     ChooserStore::None},
    {"player1", "Select executable for Sound Player", ChooserWidth::Files, true, false,
     ChooserStore::None},
    {"player2", "Select executable for Sound Player", ChooserWidth::Files, true, false,
     ChooserStore::None},
    {"screen1", "", ChooserWidth::FilesWithPreview, false, true, ChooserStore::None},
    {"screen2", "", ChooserWidth::FilesWithPreview, false, true, ChooserStore::None},
    {"mds1", "", ChooserWidth::FilesWithPreview, false, true, ChooserStore::Screen1},
    {"mds2", "", ChooserWidth::FilesWithPreview, false, true, ChooserStore::Screen2},
    {"game", "Select File Game", ChooserWidth::Files, false, true, ChooserStore::None},
    {"mdfg", "Select File Game", ChooserWidth::Files, false, true, ChooserStore::GameDisk},
    {"music", "Select File Music", ChooserWidth::Files, false, true, ChooserStore::None},
    {"mdfm", "Select File Music", ChooserWidth::Files, false, true, ChooserStore::Song},
}};

} // namespace

QString chooserDesignedCaption()
{
    return QStringLiteral("Screenshot Selector");
}

ChooserMode chooserMode(const QString &word)
{
    for (const Row &r : kModes)
        if (word == QLatin1String(r.word))
            return {word,
                    QString::fromLatin1(r.caption),
                    r.width,
                    r.executables,
                    r.opensInStartdir,
                    r.store,
                    true};
    ChooserMode designed;
    designed.word = word;
    designed.known = false;
    return designed;
}

QString gameDiskColumn(int counter)
{
    switch (counter) {
    case 0:
        return QStringLiteral("emul1");
    case 1:
        return QStringLiteral("df1");
    case 2:
        return QStringLiteral("df2");
    case 3:
        return QStringLiteral("df3");
    default:
        return {};
    }
}

bool offersOtherDisk(const QString &formato)
{
    return formato.startsWith(QLatin1String("Ami"));
}

QString storeColumn(ChooserStore store)
{
    switch (store) {
    case ChooserStore::Song:
        return QStringLiteral("song");
    case ChooserStore::Screen1:
        return QStringLiteral("screen1");
    case ChooserStore::Screen2:
        return QStringLiteral("screen2");
    case ChooserStore::GameDisk:
    case ChooserStore::None:
        break;
    }
    return {};
}
