#pragma once

#include <QColor>
#include <QString>

class QPainter;

namespace sampledata
{

constexpr int kGlyphWidth = 6;  // 5 pixels and a gap
constexpr int kGlyphHeight = 8; // 7 pixels and a gap

// Draws text in the project's own 5x7 pixel font, each pixel scaled to a square of
// `scale`. Letters are shown in capitals; accents are dropped; characters without a glyph
// leave a blank. Returns the width drawn.
int drawPixelText(QPainter &painter, int x, int y, const QString &text, const QColor &color,
                  int scale = 1);
int pixelTextWidth(const QString &text, int scale = 1);

} // namespace sampledata
