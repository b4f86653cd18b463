#include "fakedialogs.h"

void FakeDialogs::beep()
{
    shown.append({Shown::Beep, {}, {}, Icon::None, {}, {}});
}

void FakeDialogs::message(const QString &text, Icon icon, const QString &title)
{
    shown.append({Shown::Message, text, title, icon, {}, {}});
}

bool FakeDialogs::ask(const QString &text, Icon icon, const QString &title, Button defaultButton)
{
    shown.append({Shown::Question, text, title, icon, {}, defaultButton});
    return answers.isEmpty() || answers.takeFirst();
}

int FakeDialogs::choose(const QString &text, Icon icon, const QString &title,
                        const QStringList &buttons, int defaultButton, int)
{
    shown.append({Shown::Choice, text, title, icon, buttons, {}});
    return choices.isEmpty() ? defaultButton : choices.takeFirst();
}

QString FakeDialogs::chooseFolder(const QString &title, const QString &start)
{
    shown.append({Shown::FolderChoice, start, title, Icon::None, {}, {}});
    return folders.isEmpty() ? QString() : folders.takeFirst();
}

QString FakeDialogs::chooseCatalogueFile(const QString &title, const QString &start, FileUse)
{
    shown.append({Shown::FileChoice, start, title, Icon::None, {}, {}});
    return files.isEmpty() ? QString() : files.takeFirst();
}

QStringList FakeDialogs::messages() const
{
    QStringList out;
    for (const Shown &s : shown)
        if (s.kind == Shown::Message)
            out << s.text;
    return out;
}

QStringList FakeDialogs::questions() const
{
    QStringList out;
    for (const Shown &s : shown)
        if (s.kind == Shown::Question || s.kind == Shown::Choice)
            out << s.text;
    return out;
}

int FakeDialogs::beeps() const
{
    int n = 0;
    for (const Shown &s : shown)
        n += s.kind == Shown::Beep;
    return n;
}
