#pragma once

#include <QString>

// What the file and folder chooser does for each mode word.
enum class ChooserWidth {
    DirectoryOnly,    // drive and folder lists and "OK"
    Files,            // plus the file list
    FilesWithPreview, // plus the picture preview
};

enum class ChooserStore {
    None,     // the result only goes to browsepath
    GameDisk, // emul1, df1, df2, df3 in turn
    Song,
    Screen1,
    Screen2,
};

struct ChooserMode {
    QString word;
    QString caption; // empty: the designed caption stays
    ChooserWidth width = ChooserWidth::FilesWithPreview;
    bool executables = false;     // only programs are listed
    bool opensInStartdir = false; // else where the program's current folder is
    ChooserStore store = ChooserStore::None;
    bool known = true;
};

// The designed caption, kept by the screenshot modes and unknown words.
QString chooserDesignedCaption();

// The mode for word, taken in the order the chooser tests them; an unknown word gives
// the designed window (known == false).
ChooserMode chooserMode(const QString &word);

// A series of game disk picks stores at most this many disks.
constexpr int kMaxGameDisks = 4;

// The column that the disk counter's next "OK" stores into: emul1, df1, df2, df3, then
// nothing.
QString gameDiskColumn(int counter);

// The chooser offers the next disk only for Amiga formats.
bool offersOtherDisk(const QString &formato);

// The column that a store mode writes (for GameDisk use gameDiskColumn).
QString storeColumn(ChooserStore store);
