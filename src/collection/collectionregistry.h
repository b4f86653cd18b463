#pragma once

class AppContext;

// The windows that bring a collection in and keep it whole.
void registerCollectionWindows(AppContext &ctx);
