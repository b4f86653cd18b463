#pragma once

class QPushButton;
class QString;

// Shows a sound window's button for a configured player, captioned by playerCaption with
// the whole path as its tip; hides it when the player is not set.
void showPlayerButton(QPushButton *button, const QString &player);
