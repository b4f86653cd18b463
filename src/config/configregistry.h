#pragma once

class AppContext;

// Registers "Config", "Form4" and "Form10".
void registerConfigWindows(AppContext &ctx);
