#pragma once

#include "amigaconfigwriter.h"

class FileListBox;
class QRadioButton;
class AppContext;

// The steps that the catalogue player and the free player share: the template list of the
// chosen emulator, and writing the configuration and starting the emulator. Failures are
// reported to the user here, with the documented messages.
namespace amigasteps
{

// Shows the emulator's templates in list and selects the first. A folder that is missing,
// unreadable or holds no template beeps, shows "Bad configuration for <emulator>" and
// leaves the list empty; false then.
bool showTemplates(AppContext &ctx, AmigaEmulator emulator, const QVariant &executable,
                   FileListBox *list);

// An emulator's option button clicked: an enabled one is checked and its templates are
// listed, the list shown only when it holds any.
void chooseEmulator(AppContext &ctx, AmigaEmulator emulator, QRadioButton *option,
                    const QVariant &executable, FileListBox *list);

// Writes the configuration from the template selected in list and starts the emulator on
// it. Any failure beeps and shows "Select Emulator and Configuration"; false then.
bool writeAndStart(AppContext &ctx, AmigaEmulator emulator, const QVariant &executable,
                   const FileListBox *list, const AmigaDrives &drives);

// The failure of a start: a beep and "Select Emulator and Configuration".
void reportStartFailure(AppContext &ctx, const QString &reason);

} // namespace amigasteps
