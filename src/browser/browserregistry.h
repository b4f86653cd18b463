#pragma once

class AppContext;

// Registers the browser's windows: "Form1" (the main window) and "About".
void registerBrowserWindows(AppContext &ctx);
