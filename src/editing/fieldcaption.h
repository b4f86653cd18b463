#pragma once

#include "game.h"

#include <QString>

// How the editors name a field ("Title", "DF1:"). A field they do not show keeps the
// catalogue's name for it.
QString fieldCaption(Game::Field field);
