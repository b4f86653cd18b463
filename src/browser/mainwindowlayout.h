#pragma once

#include "placement.h"

#include <QSize>

// The main window's designed sizes. The narrow list leaves room for a column of the two
// screenshots (4215 against 7335 twips); the short window hides the credit lists (6950
// against 8910 twips).
inline const int kNarrowListWidth = twipsToPixels(4215);
inline const int kShotColumnWidth = twipsToPixels(7335 - 4215);
inline const QSize kShotSize(160, 100); // the smallest screenshot box
constexpr int kDetailWidth = 420;
// The narrowest columns: with them the window fits an 800-pixel-wide screen.
constexpr int kListMinimumWidth = 200;
constexpr int kDetailMinimumWidth = 320;
inline const int kTallHeight = twipsToPixels(8910);
inline const int kShortHeight = twipsToPixels(6950);
inline const int kCreditBandHeight = kTallHeight - kShortHeight;
