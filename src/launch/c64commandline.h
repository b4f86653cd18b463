#pragma once

#include "configuration.h"
#include "launcher.h"

#include <QString>

#include <optional>

// The four C64 emulators and their command lines. The one-line form (Command::text()) is
// the emulator path, then the arguments, each joined by one blank; the arguments are
// passed as a list, so blanks in paths need no quoting.

enum class C64Emulator { Ccs64, Vice, C64s, Pc64 };

struct C64EmulatorInfo {
    QString caption;          // "CCS64", ...
    QString field;            // the name --with takes
    Configuration::Path path; // where the configuration holds the executable
    WindowStyle style;
};

const C64EmulatorInfo &c64EmulatorInfo(C64Emulator emulator);
constexpr C64Emulator kC64Emulators[] = {C64Emulator::Ccs64, C64Emulator::Vice, C64Emulator::C64s,
                                         C64Emulator::Pc64};

struct C64CommandResult {
    enum class Status {
        Ok,
        NotConfigured, // no emulator path
        NoImage,       // no short path: no game file, or it does not exist
        Unsupported,   // the emulator does not take this kind of file
    };
    Status status = Status::Ok;
    Command command;
    bool ok() const { return status == Status::Ok; }
};

// emulatorPath as configured; shortPath the game file's short form; selectedIndex and
// selectedText the directory list's selection (-1 and empty when nothing is selected).
C64CommandResult buildC64Command(C64Emulator emulator, const QString &emulatorPath,
                                 const QString &shortPath, int selectedIndex,
                                 const QString &selectedText);

// The last component of a path with its leading separator ("\ELITE.D64"); a path
// without a separator is returned whole. Both "\" and "/" count as separators.
QString pathTail(const QString &path);

// The program name of a directory line: from its second character up to the next
// quotation mark; nothing when there is no such mark.
std::optional<QString> c64EntryName(const QString &line);
