#pragma once

#include <QPointF>
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

// Centres the window on the available area of the screen it is on (or the primary
// screen), first shrinking a window that does not fit.
void centreOnScreen(QWidget *window);

// Escape closes the window, as it does every secondary window.
void closeOnEscape(QWidget *window);

// Names the game in the window's title ("caption - title"; the caption alone when the game
// has no title) and widens the window to show the whole title.
void showGameInTitle(QWidget *window, const QString &caption, const QString &title);
