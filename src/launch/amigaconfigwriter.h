#pragma once

#include "launcher.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <array>

// The two Amiga emulators, whose configuration files are written from a template with the
// game's disks in the floppy lines.
enum class AmigaEmulator { WinUAE, WinFellow };

// Drive values DF0..DF3: full paths of disk files. A Null or empty value leaves the key bare.
using AmigaDrives = std::array<QVariant, 4>;

QString amigaEmulatorName(AmigaEmulator emulator);    // "WinUAE", "WinFellow"
QString amigaTemplatePattern(AmigaEmulator emulator); // "*.uae", "*.wfc"
QString amigaOutputName(AmigaEmulator emulator);      // "vantrel.uae", "vantrel.wfc"

// Where the templates of an emulator lie, given its configured executable: WinUAE keeps
// them in "configurations" beside the executable, WinFellow beside the executable itself.
// Empty when the executable path names no folder (a bad configuration).
QString amigaTemplateFolder(AmigaEmulator emulator, const QString &executable);

// The emulator started on a written configuration file: <executable> -f <configuration>.
Command amigaCommand(const QString &executable, const QString &configuration);

// Rewrites a template as it streams past, in pieces of any size, with bounded memory
// whatever the line lengths. A line ends at CR, LF or CRLF; every output line ends with
// CRLF, a last line without an end included. The first matching rule, by case-sensitive
// prefix, decides a line: "floppy0".."floppy3" become the key, "=" and the drive value;
// with the GUI hidden, "use_gui" (WinUAE) becomes "use_gui=false" and "usegui"
// (WinFellow) "usegui=no"; any other line is copied byte for byte.
class AmigaConfigRewriter
{
public:
    AmigaConfigRewriter(AmigaEmulator emulator, const AmigaDrives &drives, bool hideGui);

    // Appends the output that the next piece of the template gives to out.
    void feed(QByteArrayView piece, QByteArray &out);
    // Ends the template: a last line without its line end is completed.
    void finish(QByteArray &out);

    // The whole template at once.
    QByteArray rewrite(QByteArrayView text);

private:
    enum class Mode { Undecided, Copy, Skip };
    void take(const char *data, qsizetype size, QByteArray &out);
    void decide(QByteArray &out);
    void endLine(QByteArray &out);

    AmigaEmulator m_emulator;
    bool m_hideGui;
    std::array<QByteArray, 4> m_driveLines;
    QByteArray m_prefix; // the undecided start of the current line, at most kKeyLength bytes
    Mode m_mode = Mode::Undecided;
    bool m_afterCr = false; // a CR ended the last piece: an LF opening the next one belongs to it
};

struct AmigaConfigRequest {
    AmigaEmulator emulator = AmigaEmulator::WinUAE;
    QString templatePath;
    AmigaDrives drives;
    bool hideGui = false; // true hides the emulator's own interface; false keeps the template's
    QString outputPath;
};

struct AmigaConfigResult {
    enum class Status { Written, NoTemplate, TemplateUnreadable, OutputUnwritable };
    Status status = Status::Written;
    QString error; // why, for a failure

    bool ok() const { return status == Status::Written; }
};

// Writes the configuration file from the template. The output is replaced only when it
// was written completely: a failure leaves an earlier file as it was.
AmigaConfigResult writeAmigaConfig(const AmigaConfigRequest &request);
