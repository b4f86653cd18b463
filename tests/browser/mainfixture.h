#pragma once

#include "database.h"
#include "gamelistmodel.h"
#include "mainwindow.h"
#include "testcatalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// "titolo=A|formato=C64|song=" as a record; an omitted column stays Null.
inline QVariantMap rec(const QString &pairs)
{
    QVariantMap out;
    for (const QString &pair : pairs.split('|')) {
        const QString value = pair.section('=', 1);
        out.insert(pair.section('=', 0, 0), value.isNull() ? QString("") : value);
    }
    return out;
}

// The main window over a TestContext; stub() replaces the other windows by plain widgets
// that record their opening.
class MainFixture : public testing::Test
{
protected:
    void TearDown() override
    {
        t.ctx->windows.closeAll();
        w.reset();
    }

    int add(const QString &title, const QString &formato, const QVariant &emul1 = "/x/game",
            const QVariant &song = QVariant())
    {
        return t.catalogue.addGame(
            {{"titolo", title}, {"formato", formato}, {"emul1", emul1}, {"song", song}});
    }

    void stub(const QStringList &names)
    {
        for (const QString &name : names)
            t.ctx->windows.addFactory(name, [this, name] {
                opened << name;
                return new QWidget;
            });
    }

    Form1 &open()
    {
        w = std::make_unique<Form1>(*t.ctx);
        return *w;
    }

    QStringList titles() const
    {
        QStringList out;
        for (const auto &row : w->listModel()->rows())
            out << row.titolo;
        return out;
    }

    void select(int id)
    {
        w->setListIndex(w->cercaindex(id));
        ASSERT_EQ(w->currentId(), id);
    }

    // The list, the selected row, the panel's title and the count shown.
    QString scene() const
    {
        return QString("%1 #%2 %3 (%4)")
            .arg(titles().join(','))
            .arg(w->listIndex())
            .arg(w->Frame1->title(), w->lbldisplay->text());
    }

    static QStringList entries(QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }

    // What the dialogs showed, one line each: "beep", "Title: message", "Title? question".
    QStringList said() const
    {
        QStringList out;
        for (const FakeDialogs::Shown &d : t.dialogs.shown)
            out << (d.kind == FakeDialogs::Shown::Beep       ? QString("beep")
                    : d.kind == FakeDialogs::Shown::Question ? d.title + "? " + d.text
                                                             : d.title + ": " + d.text);
        return out;
    }

    // The game and music lamps.
    std::pair<QColor, QColor> lamps() const
    {
        return {w->Picture3->palette().color(QPalette::Window),
                w->Picture4->palette().color(QPalette::Window)};
    }

    TestContext t;
    std::unique_ptr<Form1> w;
    QStringList opened;
};
