#pragma once

#include <QString>
#include <QStringView>

// Text for a terminal line: control characters (C0, DEL and C1) are written as escapes
// ("\n", "\t", "\r", "\x1b", "\x00", "\x9b"), so that a stored value can neither start a
// new output line nor send a command to the terminal. Everything else is kept as it is.
QString escapeControls(QStringView text);
// The same; a text with nothing to escape comes back shared, not copied.
QString escapeControls(const QString &text);
