#pragma once

class AppContext;

// Registers the editing windows: "Credits", "Form6", "Form2", "sfoglia", "Form3".
void registerEditingWindows(AppContext &ctx);
