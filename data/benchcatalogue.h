#pragma once

#include <QString>

// Writes a catalogue of `games` generated games (see GameGenerator) and its configuration
// record to path, replacing any file there. The same seed writes the same rows.
bool writeBenchCatalogue(const QString &path, int games, quint32 seed, QString *error);
