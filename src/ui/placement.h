#pragma once

#include <QPointF>
#include <QRect>
#include <QSizeF>

class QString;
class QWidget;

// Legacy sizes and positions are in twips; the screen has 15 twips per pixel.
constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips)
{
    return qRound(twips / kTwipsPerPixel);
}

// Where a window of the given size sits when centred; a window larger than the screen
// gets a negative position.
QPointF centredPosition(QSizeF screen, QSizeF window);

// The available area of the screen the window is on (or of the primary screen); empty
// without a screen.
QRect availableArea(const QWidget *window);
// What the window's frame adds to its size (a guess before it was first shown).
QSize frameAllowance(const QWidget *window);

// Centres the window on the available area of the screen it is on (or the primary
// screen), first shrinking a window that does not fit.
void centreOnScreen(QWidget *window);

// Escape closes the window, as it does every secondary window, once no control of the
// window (an open drop-down) took it.
void closeOnEscape(QWidget *window);

// Names the game in the window's title ("caption - title"; the caption alone when the game
// has no title) and widens the window to show the whole title.
void showGameInTitle(QWidget *window, const QString &caption, const QString &title);
