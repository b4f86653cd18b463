#pragma once

#include "browsingpane.h"
#include "game.h"
#include "windowrequests.h"

#include <QString>

#include <optional>

// How much of the chooser a purpose shows.
enum class ChooserWidth {
    FoldersOnly,      // drive and folder lists and "OK"
    Files,            // plus the file list
    FilesWithPreview, // plus the picture preview
};

// Where a Store… purpose writes its pick.
enum class ChooserStore {
    None,      // the pick goes back to the opener
    GameDisks, // the game file, then the other drives in turn
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

// The chooser offers the next disk only for Amiga machines.
bool offersOtherDisk(const QString &machine);

// The field a store writes: for GameDisks the one the disk counter's next "OK" fills,
// nothing once the counter reaches kMaxGameDisks.
std::optional<Game::Field> storedField(ChooserStore store, int diskCounter);

// The file kinds the chooser offers for a purpose, the fitting one first and "All files"
// last. Game and music picks follow the machine ("C…" the C64 family, else the Amiga); an
// unknown machine (empty) offers both families' files.
QList<FileFilter> chooserFilters(ChooserPurpose purpose, const QString &machine);
