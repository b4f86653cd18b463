#include "widgetdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace
{

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString boxTitle(const QString &title)
{
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

} // namespace

void WidgetDialogs::beep()
{
    QApplication::beep();
}

void WidgetDialogs::message(const QString &text, Icon icon, const QString &title)
{
    QMessageBox box(boxIcon(icon), boxTitle(title), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool WidgetDialogs::ask(const QString &text, Icon icon, const QString &title, Button defaultButton)
{
    QMessageBox box(boxIcon(icon), boxTitle(title), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultButton == Button::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

int WidgetDialogs::choose(const QString &text, Icon icon, const QString &title,
                          const QStringList &buttons, int defaultButton, int escapeButton)
{
    QMessageBox box(boxIcon(icon), boxTitle(title), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<QPushButton *> pushed;
    for (int i = 0; i < buttons.size(); ++i)
        pushed << box.addButton(buttons.at(i), i == escapeButton ? QMessageBox::RejectRole
                                                                 : QMessageBox::AcceptRole);
    box.setDefaultButton(pushed.value(defaultButton));
    box.setEscapeButton(pushed.value(escapeButton));
    box.exec();
    const int pressed = pushed.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return pressed < 0 ? escapeButton : pressed;
}

QString WidgetDialogs::chooseFolder(const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), boxTitle(title), start);
}

QString WidgetDialogs::chooseFile(const QString &title, const QString &start)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), boxTitle(title), start);
}

QString WidgetDialogs::chooseCatalogueFile(const QString &title, const QString &start, FileUse use)
{
    const QString filter =
        QCoreApplication::translate("WidgetDialogs", "Catalogues (*.mdb);;All files (*)");
    return use == FileUse::Open ? QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                                               boxTitle(title), start, filter)
                                : QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                                               boxTitle(title), start, filter);
}
