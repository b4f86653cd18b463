#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// The keys a window takes when none of its controls used them, as a dialog does: Enter
// presses the focused push button, else the window's default one; Escape closes the
// window when asked to. Keys reach the window only after its controls, so an open
// drop-down closes on Escape before the window does, and a text box keeps its Enter.
class WindowKeys : public QObject
{
    Q_OBJECT
public:
    // The window's handler, made on first use.
    static WindowKeys *of(QWidget *window);

    void setEscapeCloses(bool on) { m_escapeCloses = on; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowKeys(QWidget *window);
    bool pressDefaultButton();

    QWidget *m_window;
    bool m_escapeCloses = false;
};
