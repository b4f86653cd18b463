#pragma once

class AppContext;

// Registers the screenshot viewer "scrshots".
void registerScreenshotViewer(AppContext &ctx);
