#pragma once

#include <QString>

// Beeps, message boxes and Yes/No questions: every window reports through this, so that
// tests can record what was shown and answer from a script.
class Dialogs
{
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    // The button that Enter presses.
    enum class Button { Yes, No };

    virtual ~Dialogs() = default;
    virtual void beep() = 0;
    // An empty title means the program's own title.
    virtual void message(const QString &text, Icon icon = Icon::None,
                         const QString &title = {}) = 0;
    // Yes and No buttons; true on Yes.
    virtual bool ask(const QString &text, Icon icon, const QString &title,
                     Button defaultButton = Button::Yes) = 0;
};
