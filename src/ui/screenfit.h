#pragma once

#include <QObject>

class QWidget;

// Keeps a window inside the available area of its screen. A watched window is fitted when
// it is shown and whenever it is resized: one larger than the area is made smaller, one
// reaching past an edge is moved back, and one whose layout cannot shrink that far gets
// its content in a scroll area. The window registry watches every window it makes.
class ScreenFit : public QObject
{
    Q_OBJECT
public:
    static void watch(QWidget *window);
    static void fit(QWidget *window);
    // Makes the window as tall as its content asks (and wider if it must), as far as the
    // screen allows: for a window whose content has just grown or shrunk.
    static void showWhole(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ScreenFit(QWidget *window);

    bool m_fitting = false;
};
