#include "editingtest.h"
#include "fieldeditor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace
{

struct Code {
    const char *code, *caption, *field1, *field2;
};
const Code kCodes[] = {
    {"gr", "Modify Graphics", "graphics", "addgraphics"},
    {"de", "Modify Design", "design", "adddesign"},
    {"pr", "Modify Programming", "programming", "addprogramming"},
    {"mu", "Modify Music", "music", "addmusic"},
    {"te", "Modify Team", "team", nullptr},
    {"na", "Modify Title", "titolo", nullptr},
    {"pu", "Modify Publisher", "sh", nullptr},
    {"ge", "Modify Genre", "tipo", nullptr},
    {"ye", "Modify Year", "year", nullptr},
};

class FieldEditor : public ::testing::TestWithParam<Code>
{
protected:
    // Every column holds its own name, so a stray write shows which column it hit.
    int addGame()
    {
        QVariantMap game;
        for (const QString &column : catalogue::gameColumns())
            if (column != "id")
                game.insert(column, QString(column + " was"));
        return tc.catalogue.addGame(game);
    }
    Form6 *open(const QString &code, int id)
    {
        tc.app().editfield = code;
        tc.app().selectedid = id;
        return qobject_cast<Form6 *>(showWindow(tc.app(), "Form6"));
    }
    void expectUnchanged(int id, const QStringList &except = {})
    {
        for (const QString &column : catalogue::gameColumns())
            if (column != "id" && !except.contains(column)) {
                EXPECT_EQ(tc.catalogue.value(id, column).toString(), QString(column + " was"));
            }
    }

    EditingContext tc;
};

} // namespace

TEST_P(FieldEditor, ShowsAndWritesExactlyTheFieldsOfItsCode)
{
    const Code c = GetParam();
    const bool pair = c.field2 != nullptr;
    const int id = addGame(), other = addGame();
    Form6 *w = open(c.code, id);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), c.caption);
    EXPECT_EQ(box(w, "Text1")->text(), QString(c.field1) + " was");
    EXPECT_EQ(box(w, "Text2")->isHidden(), !pair);
    EXPECT_EQ(control<QLabel>(w, "Label2")->isHidden(), !pair);
    if (pair) {
        EXPECT_EQ(box(w, "Text2")->text(), QString(c.field2) + " was");
    }
    box(w, "Text1")->setText("New 1");
    box(w, "Text2")->setText(pair ? "" : "New 2");
    click(w, "Command1");
    EXPECT_FALSE(isOpen(tc.app(), "Form6"));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty()) << "no question, no message";
    EXPECT_EQ(tc.text(id, c.field1), "New 1");
    if (pair) {
        EXPECT_TRUE(tc.null(id, c.field2)) << "an emptied box stores Null";
    }
    expectUnchanged(id, {c.field1, pair ? c.field2 : ""});
    expectUnchanged(other);
}

INSTANTIATE_TEST_SUITE_P(NineCodes, FieldEditor, ::testing::ValuesIn(kCodes),
                         [](const auto &info) { return std::string(info.param.code); });

TEST_F(FieldEditor, WritesTheGameItWasOpenedForAndCancelWritesNothing)
{
    const int id = addGame(), second = addGame();
    Form6 *w = open("ye", id);
    tc.app().selectedid = second; // "Info" on another game meanwhile
    QTest::keyClicks(box(w, "Text1"), " 1988");
    click(w, "Command1");
    EXPECT_EQ(tc.text(id, "year"), "year was 1988");
    expectUnchanged(second);
    for (const auto &[code, button] : {std::pair{"na", "Command2"}, std::pair{"zz", "Command1"}}) {
        box(open(code, id), "Text1")->setText("Anything");
        click(tc.app().windows.find("Form6"), button);
        EXPECT_FALSE(isOpen(tc.app(), "Form6")) << code;
    }
    expectUnchanged(id, {"year"});
}

TEST_F(FieldEditor, DeletedOrUnreadableGameIsReportedAndNeverOverwritten)
{
    const int id = addGame();
    Form6 *w = open("ge", id);
    tc.remove(id);
    box(w, "Text1")->setText("Arcade");
    click(w, "Command1");
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("no longer in the catalogue"));
    EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    EXPECT_EQ(box(w, "Text1")->text(), "Arcade") << "the edit stays";
    EXPECT_EQ(tc.catalogue.count(), 0);
    w->close();

    tc.dialogs.clear();
    const int kept = addGame();
    tc.hideGames(true);
    w = open("mu", kept);
    tc.hideGames(false);
    EXPECT_TRUE(tc.dialogs.messages().value(0).startsWith("The game could not be read: "));
    EXPECT_TRUE(box(w, "Text1")->text().isEmpty());
    box(w, "Text1")->setText("Someone");
    click(w, "Command1");
    EXPECT_TRUE(tc.dialogs.messages().last().contains("Nothing was written"));
    EXPECT_TRUE(isOpen(tc.app(), "Form6"));
    expectUnchanged(kept);
}

TEST(AdditionalInfo, ShowsOthersAndNoteClosesWhenLeftAndReportsAMissingGame)
{
    EditingContext tc;
    tc.app().selectedid = tc.catalogue.addGame({{"others", "Thanks to all"}, {"note", "Note"}});
    QWidget *w = showWindow(tc.app(), "Form2");
    auto *others = control<QPlainTextEdit>(w, "Text1");
    EXPECT_TRUE(others->isReadOnly() && others->toPlainText() == "Thanks to all");
    EXPECT_EQ(control<QPlainTextEdit>(w, "Text2")->toPlainText(), "Note");
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QWidget main;
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_FALSE(isOpen(tc.app(), "Form2")) << "another window took the focus";

    tc.app().selectedid = 12345;
    showWindow(tc.app(), "Form2")->close();
    tc.app().paths.catalogue = tc.catalogue.dir() + "/missing.mdb";
    showWindow(tc.app(), "Form2");
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("no longer in the catalogue"));
    EXPECT_EQ(tc.dialogs.messages().mid(1), QStringList{"Database Open Error"});
}
