#pragma once

#include "tuneinfo.h"

namespace music
{

// music.ini in the user's configuration folder.
QString settingsFile();

// The HVSC folder and the C64 ROM files the user set in Options, kept in the user's settings.
MusicSources savedSources(const QString &file = settingsFile());
void saveSources(const MusicSources &sources, const QString &file = settingsFile());

} // namespace music
