#pragma once

#include "dialogs.h"

// The real message boxes.
class WidgetDialogs : public Dialogs
{
public:
    void beep() override;
    void message(const QString &text, Icon icon, const QString &title) override;
    bool ask(const QString &text, Icon icon, const QString &title, Button defaultButton) override;
    int choose(const QString &text, Icon icon, const QString &title, const QStringList &buttons,
               int defaultButton, int escapeButton) override;
    QString chooseFolder(const QString &title, const QString &start) override;
    QString chooseFile(const QString &title, const QString &start) override;
    QString chooseCatalogueFile(const QString &title, const QString &start, FileUse use) override;
};
