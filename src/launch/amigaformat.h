#pragma once

#include "launcher.h"

#include <QString>

// The two Amiga emulator slots of the configuration record.
enum class AmigaEmulator { WinUAE, WinFellow };

// The configuration file format the configured program reads. The WinUAE slot takes
// WinUAE, Amiberry (same format) or FS-UAE (its own keys).
enum class AmigaFormat { Uae, FsUae, Fellow };

enum class AmigaProgram { WinUAE, FsUae, Amiberry, WinFellow };

// Which program a slot's executable is, by its file name ("fs-uae...", "amiberry...").
AmigaProgram amigaProgram(AmigaEmulator emulator, const QString &executable);
AmigaFormat amigaFormat(AmigaProgram program);

// "WinUAE", "FS-UAE", "Amiberry", "WinFellow".
QString amigaProgramName(AmigaProgram program);
QString amigaTemplatePattern(AmigaFormat format); // "*.uae", "*.fs-uae", "*.wfc"
QString amigaOutputName(AmigaFormat format);      // "vantrel.uae", "vantrel.fs-uae", ...

// The program started on a written configuration file: "<executable> -f <configuration>",
// FS-UAE "<executable> <configuration>".
Command amigaCommand(AmigaFormat format, const QString &executable, const QString &configuration);
