#pragma once

class AppContext;

// Registers the editing windows: record editor, field editor, game info, file chooser and
// association editor.
void registerEditingWindows(AppContext &ctx);
