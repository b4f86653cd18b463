#pragma once

struct AppContext;

// Registers the screenshot viewer "scrshots".
void registerScreenshotViewer(AppContext &ctx);
