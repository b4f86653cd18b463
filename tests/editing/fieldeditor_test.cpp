#include "additionalinfo.h"
#include "editingtest.h"
#include "fieldeditor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace
{

// Every column holds its own name, so a stray write shows which column it hit.
QVariantMap sampleGame()
{
    QVariantMap game;
    for (const QString &column : catalogue::gameColumns())
        if (column != "id")
            game.insert(column, QString(column + " was"));
    return game;
}

struct Code {
    const char *code, *caption, *label1, *field1, *label2, *field2;
};

const Code kCodes[] = {
    {"gr", "Modify Graphics", "Graphics", "graphics", "Additional Graphics", "addgraphics"},
    {"de", "Modify Design", "Design", "design", "Additional Design", "adddesign"},
    {"pr", "Modify Programming", "Programming", "programming", "Additional Programming",
     "addprogramming"},
    {"mu", "Modify Music", "Music", "music", "Additional Music", "addmusic"},
    {"te", "Modify Team", "Team", "team", nullptr, nullptr},
    {"na", "Modify Title", "Title", "titolo", nullptr, nullptr},
    {"pu", "Modify Publisher", "Publisher", "sh", nullptr, nullptr},
    {"ge", "Modify Genre", "Genre", "tipo", nullptr, nullptr},
    {"ye", "Modify Year", "Year", "year", nullptr, nullptr},
};

class FieldEditor : public ::testing::TestWithParam<Code>
{
protected:
    Form6 *open(const QString &code, int id)
    {
        tc.app().editfield = code;
        tc.app().selectedid = id;
        return qobject_cast<Form6 *>(showWindow(tc.app(), "Form6"));
    }
    // Every column of the game still as it was, except the given ones.
    void expectUnchanged(int id, const QStringList &except = {})
    {
        for (const QString &column : catalogue::gameColumns())
            if (column != "id" && !except.contains(column))
                EXPECT_EQ(tc.catalogue.value(id, column).toString(), QString(column + " was"));
    }

    EditingContext tc;
};

} // namespace

TEST_P(FieldEditor, ShowsAndWritesExactlyTheFieldsOfItsCode)
{
    const Code c = GetParam();
    const int id = tc.catalogue.addGame(sampleGame());
    const int other = tc.catalogue.addGame(sampleGame());
    Form6 *w = open(c.code, id);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), c.caption);
    EXPECT_EQ(control<QLabel>(w, "Label1")->text(), c.label1);
    EXPECT_EQ(box(w, "Text1")->text(), QString(c.field1) + " was");
    const bool pair = c.field2 != nullptr;
    EXPECT_EQ(box(w, "Text2")->isHidden(), !pair);
    EXPECT_EQ(control<QLabel>(w, "Label2")->isHidden(), !pair);
    if (pair) {
        EXPECT_EQ(control<QLabel>(w, "Label2")->text(), c.label2);
        EXPECT_EQ(box(w, "Text2")->text(), QString(c.field2) + " was");
    }
    box(w, "Text1")->setText("New 1");
    box(w, "Text2")->setText(pair ? "" : "New 2");
    click(w, "Command1");
    EXPECT_FALSE(isOpen(tc.app(), "Form6"));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty()) << "no question, no message";
    EXPECT_EQ(tc.text(id, c.field1), "New 1");
    if (pair)
        EXPECT_TRUE(tc.null(id, c.field2)) << "an emptied box stores Null";
    expectUnchanged(id, {c.field1, pair ? c.field2 : ""});
    expectUnchanged(other);
}

INSTANTIATE_TEST_SUITE_P(NineCodes, FieldEditor, ::testing::ValuesIn(kCodes),
                         [](const auto &info) { return std::string(info.param.code); });

TEST_F(FieldEditor, WritesTheGameItWasOpenedForAndCancelWritesNothing)
{
    const int id = tc.catalogue.addGame(sampleGame());
    const int second = tc.catalogue.addGame(sampleGame());
    Form6 *w = open("ye", id);
    tc.app().selectedid = second; // "Info" on another game meanwhile
    QTest::keyClicks(box(w, "Text1"), " 1988");
    click(w, "Command1");
    EXPECT_EQ(tc.text(id, "year"), "year was 1988");
    expectUnchanged(second);

    w = open("na", id);
    box(w, "Text1")->setText("Wizball II");
    click(w, "Command2");
    EXPECT_FALSE(isOpen(tc.app(), "Form6"));
    w = open("zz", id);
    box(w, "Text1")->setText("Anything");
    click(w, "Command1");
    EXPECT_FALSE(isOpen(tc.app(), "Form6"));
    expectUnchanged(id, {"year"});
}

TEST_F(FieldEditor, DeletedOrUnreadableGameIsReportedAndNeverOverwritten)
{
    const int id = tc.catalogue.addGame(sampleGame());
    Form6 *w = open("ge", id);
    tc.remove(id);
    box(w, "Text1")->setText("Arcade");
    click(w, "Command1");
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("no longer in the catalogue"));
    EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    EXPECT_EQ(box(w, "Text1")->text(), "Arcade") << "the edit stays";
    EXPECT_EQ(tc.catalogue.count(), 0);
    w->close();

    // A read that fails for another reason must not let the empty boxes overwrite the game.
    tc.dialogs.clear();
    const int kept = tc.catalogue.addGame(sampleGame());
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
    auto *w = qobject_cast<Form2 *>(showWindow(tc.app(), "Form2"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Additional Info");
    EXPECT_EQ(control<QPlainTextEdit>(w, "Text1")->toPlainText(), "Thanks to all");
    EXPECT_EQ(control<QPlainTextEdit>(w, "Text2")->toPlainText(), "Note");
    EXPECT_TRUE(control<QPlainTextEdit>(w, "Text1")->isReadOnly());
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
    ASSERT_EQ(tc.dialogs.messages().size(), 2);
    EXPECT_TRUE(tc.dialogs.messages().at(0).contains("no longer in the catalogue"));
    EXPECT_EQ(tc.dialogs.messages().at(1), "Database Open Error");
}
