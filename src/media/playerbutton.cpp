#include "playerbutton.h"

#include "musiccommand.h"

#include <QPushButton>

void showPlayerButton(QPushButton *button, const QString &player)
{
    button->setVisible(!player.isEmpty());
    if (!player.isEmpty()) {
        button->setText(music::playerCaption(player));
        button->setToolTip(player);
    }
}
