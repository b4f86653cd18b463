#pragma once

class AppContext;

// Registers the system configuration, program options and greetings windows under their
// WindowKeys.
void registerConfigWindows(AppContext &ctx);
