#pragma once

class AppContext;

// Adds the utility's windows to the registry: the menu, the folder chooser, the import,
// export and About windows.
void registerMerrowWindows(AppContext &ctx);
