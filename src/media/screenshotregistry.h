#pragma once

class AppContext;

// Registers the screenshot viewer under WindowKey::ScreenshotViewer.
void registerScreenshotViewer(AppContext &ctx);
