#pragma once

#include "dialogs.h"

#include <QList>
#include <QString>

// Records every beep, message and question in order, and answers questions from a script
// (Yes when the script is empty, unless defaultAnswer says otherwise).
class FakeDialogs : public Dialogs
{
public:
    struct Shown {
        enum Kind { Beep, Message, Question } kind;
        QString text;
        QString title;
        Icon icon = Icon::None;
        Button defaultButton = Button::Yes; // of a question
    };

    void beep() override;
    void message(const QString &text, Icon icon, const QString &title) override;
    bool ask(const QString &text, Icon icon, const QString &title, Button defaultButton) override;

    QList<Shown> shown;
    QList<bool> answers;
    bool defaultAnswer = true;

    QStringList messages() const;  // texts of messages, in order
    QStringList questions() const; // texts of questions, in order
    int beeps() const;
    void clear() { shown.clear(); }
};
