#pragma once

#include "browsingpane.h"
#include "windowrequests.h"

#include <QString>

// How much of the chooser a purpose shows.
enum class ChooserWidth {
    FoldersOnly,      // drive and folder lists and "OK"
    Files,            // plus the file list
    FilesWithPreview, // plus the picture preview
};

// Where a Store… purpose writes its pick.
enum class ChooserStore {
    None,      // the pick goes back to the opener
    GameDisks, // emul1, df1, df2, df3 in turn
    Song,
    Screenshot1,
    Screenshot2,
};

// What the file and folder chooser does for one purpose.
struct ChooserSetup {
    QString caption;
    ChooserWidth width = ChooserWidth::FilesWithPreview;
    bool executablesOnly = false;
    // The start folder comes from the configuration and must be readable; otherwise the
    // chooser falls back to the folder it is in.
    bool needsStartFolder = false;
    ChooserStore store = ChooserStore::None;
};

ChooserSetup chooserSetup(ChooserPurpose purpose);

// A series of game disk picks stores at most this many disks.
constexpr int kMaxGameDisks = 4;

// The column that the disk counter's next "OK" stores into: emul1, df1, df2, df3, then
// nothing.
QString gameDiskColumn(int counter);

// The chooser offers the next disk only for Amiga machines.
bool offersOtherDisk(const QString &machine);

// The column that a store writes (for GameDisks use gameDiskColumn).
QString storeColumn(ChooserStore store);

// The file kinds the chooser offers for a purpose, the fitting one first and "All files"
// last. Game and music picks follow the machine ("C…" the C64 family, else the Amiga); an
// unknown machine (empty) offers both families' files.
QList<FileFilter> chooserFilters(ChooserPurpose purpose, const QString &machine);
