#pragma once

#include <QString>
#include <QStringList>

// Beeps, message boxes and questions: every window reports through this, so that tests can
// record what was shown and answer from a script.
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
    // A question with the caller's own buttons ("&Overwrite", "&Reload", "Cancel"): the
    // text, icon and title as for ask(), then the buttons. Returns the index of the one
    // pressed; Enter presses defaultButton, and Escape or closing the box answers
    // escapeButton, as does a service that shows nothing (a benchmark's).
    virtual int choose(const QString & /*text*/, Icon, const QString & /*title*/,
                       const QStringList & /*buttons*/, int /*defaultButton*/, int escapeButton)
    {
        return escapeButton;
    }
    // A folder the user picks, starting at start; empty when they cancel, as a service that
    // shows nothing answers.
    virtual QString chooseFolder(const QString & /*title*/, const QString & /*start*/)
    {
        return {};
    }
    // The same for a file.
    virtual QString chooseFile(const QString & /*title*/, const QString & /*start*/) { return {}; }
    // A catalogue file to open (an existing one) or to make (a name, asking before an
    // existing file is named), starting in the folder start; empty when they cancel.
    enum class FileUse { Open, Create };
    virtual QString chooseCatalogueFile(const QString & /*title*/, const QString & /*start*/,
                                        FileUse /*use*/)
    {
        return {};
    }
};
