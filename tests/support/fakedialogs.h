#pragma once

#include "dialogs.h"

#include <QList>
#include <QString>

// Records every beep, message and question in order, and answers questions from a script:
// Yes/No from answers (Yes when it is empty), a choice of buttons from choices (the
// default button when it is empty).
class FakeDialogs : public Dialogs
{
public:
    struct Shown {
        enum Kind { Beep, Message, Question, Choice, FolderChoice, FileChoice } kind;
        QString text;
        QString title;
        Icon icon = Icon::None;
        QStringList buttons;                // of a choice
        Button defaultButton = Button::Yes; // of a question
    };

    void beep() override;
    void message(const QString &text, Icon icon, const QString &title) override;
    bool ask(const QString &text, Icon icon, const QString &title, Button defaultButton) override;
    int choose(const QString &text, Icon icon, const QString &title, const QStringList &buttons,
               int defaultButton, int escapeButton) override;
    QString chooseFolder(const QString &title, const QString &start) override;
    QString chooseCatalogueFile(const QString &title, const QString &start, FileUse use) override;

    QList<Shown> shown;
    QList<bool> answers;
    QList<int> choices;  // button indexes
    QStringList folders; // picked folders; empty: cancelled
    QStringList files;   // picked catalogue files; empty: cancelled

    QStringList messages() const;  // texts of messages, in order
    QStringList questions() const; // texts of questions and choices, in order
    int beeps() const;
    void clear() { shown.clear(); }
};
