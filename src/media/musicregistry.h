#pragma once

class AppContext;

// Registers the sound player windows "Form7" and "Form8".
void registerMusicWindows(AppContext &ctx);
