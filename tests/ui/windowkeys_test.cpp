// Keys a window takes once its controls have left them: Enter for the default button,
// Escape to close, and an open drop-down first.
#include "placement.h"
#include "widgettest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

namespace
{

// A window with one control, an "Other" button and a default "OK" button, counting clicks.
struct KeyWindow {
    explicit KeyWindow(const std::function<QWidget *()> &make)
    {
        window->setAttribute(Qt::WA_DeleteOnClose);
        auto *layout = new QVBoxLayout(window);
        layout->addWidget(control = make());
        auto *other = new QPushButton(QStringLiteral("Other"));
        auto *ok = new QPushButton(QStringLiteral("OK"));
        ok->setDefault(true);
        layout->addWidget(other);
        layout->addWidget(ok);
        QObject::connect(other, &QPushButton::clicked, [this] { ++otherClicks; });
        QObject::connect(ok, &QPushButton::clicked, [this] { ++okClicks; });
        windows.addFactory(WindowKey::About, [this] { return window.data(); });
        windows.show(WindowKey::About);
        closeOnEscape(window);
        QApplication::setActiveWindow(window);
        control->setFocus();
    }
    ~KeyWindow() { delete window.data(); }

    WindowRegistry windows;
    QPointer<QWidget> window = new QWidget;
    QWidget *control = nullptr;
    int okClicks = 0;
    int otherClicks = 0;
};

QComboBox *dropDown(bool editable)
{
    auto *box = new QComboBox;
    box->setEditable(editable);
    box->addItems({QStringLiteral("C64"), QStringLiteral("Amiga")});
    return box;
}

} // namespace

TEST(WindowKeys, EnterPressesTheDefaultButtonUnlessTheControlUsesItAndEscapeCloses)
{
    const struct {
        const char *name;
        std::function<QWidget *()> make;
        int okClicks, otherClicks;
    } cases[] = {
        {"line edit", [] { return new QLineEdit; }, 1, 0},
        {"text box", [] { return new QPlainTextEdit; }, 0, 0}, // a new line
        {"editable drop-down", [] { return dropDown(true); }, 1, 0},
        {"drop-down", [] { return dropDown(false); }, 1, 0},
        {"list",
         [] {
             auto *list = new QListWidget;
             list->addItems({QStringLiteral("a"), QStringLiteral("b")});
             list->setCurrentRow(1);
             return list;
         },
         1, 0},
        {"check box", [] { return new QCheckBox(QStringLiteral("Show")); }, 1, 0},
        {"another button", [] { return new QPushButton(QStringLiteral("Focused")); }, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        KeyWindow enter(c.make);
        QTest::keyClick(enter.control, Qt::Key_Return);
        QTest::keyClick(enter.control, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(enter.okClicks, 2 * c.okClicks);
        EXPECT_TRUE(enter.window->isVisible());
        KeyWindow escape(c.make);
        QTest::keyClick(escape.control, Qt::Key_Escape);
        flushDeletes();
        EXPECT_FALSE(escape.window) << "closed";
    }
    KeyWindow focused([] { return new QLineEdit; });
    auto *other = focused.window->findChildren<QPushButton *>().value(0);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Return);
    EXPECT_EQ(focused.otherClicks, 1) << "the focused button is the one meant";
    EXPECT_EQ(focused.okClicks, 0);
}

TEST(WindowKeys, EscapeOnAnOpenDropDownClosesOnlyThePopUp)
{
    for (bool editable : {false, true}) {
        KeyWindow w([editable] { return dropDown(editable); });
        auto *box = static_cast<QComboBox *>(w.control);
        box->showPopup();
        ASSERT_TRUE(box->view()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        flushDeletes();
        EXPECT_FALSE(box->view()->isVisible());
        ASSERT_TRUE(w.window) << "editable " << editable;
        EXPECT_TRUE(w.window->isVisible());
        QTest::keyClick(box, Qt::Key_Escape);
        flushDeletes();
        EXPECT_FALSE(w.window) << "then the window";
    }
}
