#pragma once

#include "result.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace browser
{

// The main window's eight view and filter settings, in the order of the state file.
struct ViewState {
    bool c64 = true;             // 1: the machine filter boxes
    bool amiga = true;           // 2
    bool screenshots = true;     // 3: "Show Screenshots" (narrow list)
    bool credits = true;         // 4: "Show Game Credits" (tall window)
    bool playable = false;       // 5: the file filter boxes
    bool sound = false;          // 6
    bool fellowShowsGui = false; // 7
    bool uaeShowsGui = false;    // 8
    bool operator==(const ViewState &) const = default;
};

// The settings a stored value gives: only "1" is on; anything else, and every position
// past the end of the text, is off.
ViewState parseState(QStringView value);

// The first value of the file's content: the text up to the first comma or the end of
// the first line. Nothing when the content is empty.
std::optional<QString> firstStateValue(const QByteArray &content);

// Reads the state file. Nothing when it is missing, unreadable or empty: the window then
// keeps its designed defaults.
std::optional<ViewState> readStateFile(const QString &path);

// The eight characters for a state.
QString stateText(const ViewState &state);

// Replaces the state file with one line of eight characters ending in CR LF. The old
// file survives a failed write.
Outcome writeStateFile(const QString &path, const ViewState &state);

} // namespace browser
