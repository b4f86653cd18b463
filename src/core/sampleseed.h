#pragma once

#include "result.h"

#include <QString>

// Seeds a per-user data folder from the sample catalogue shipped with the programs. The
// sample files (the folder "sample" beside the sample catalogue) are copied to
// <dataDir>/sample, the catalogue is copied under a temporary name into dataDir, every
// stored path below the folder the sample was written in is rewritten to the copy, and the
// catalogue is renamed to <dataDir>/commodore.mdb. Nothing already in dataDir is
// overwritten. Runs that start together take turns (a lock file in dataDir); the later ones
// find the catalogue seeded and keep it. A failure leaves no catalogue at
// <dataDir>/commodore.mdb.
[[nodiscard]] Outcome seedDataFolder(const QString &sampleCatalogue, const QString &dataDir);
