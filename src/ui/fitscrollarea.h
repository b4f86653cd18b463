#pragma once

#include <QScrollArea>

// A scroll area that asks for the whole of its content: a window sized to its hint shows
// everything when the screen has room, and scrolls only when it has not. (QScrollArea
// caps its hint at a few dozen lines.)
class FitScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    // Takes content, which grows with the area.
    explicit FitScrollArea(QWidget *content, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    // Content that grows or shrinks changes the area's hint, and so the window's.
    bool eventFilter(QObject *watched, QEvent *event) override;
};
