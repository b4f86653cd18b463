#pragma once

class AppContext;

// Adds the utility's windows to the registry: Form3 (menu), sfoglia (path chooser),
// Form1 (import), Form2 (export), Form4 (About).
void registerMerrowWindows(AppContext &ctx);
