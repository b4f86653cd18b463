#include "editingtest.h"
#include "fieldeditor.h"
#include "gameinfowindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace
{

struct Field {
    GameField field;
    const char *name, *caption, *first, *second;
};
const Field kFields[] = {
    {GameField::Graphics, "Graphics", "Modify Graphics", "graphics", "addgraphics"},
    {GameField::Design, "Design", "Modify Design", "design", "adddesign"},
    {GameField::Programming, "Programming", "Modify Programming", "programming", "addprogramming"},
    {GameField::Music, "Music", "Modify Music", "music", "addmusic"},
    {GameField::Team, "Team", "Modify Team", "team", nullptr},
    {GameField::Title, "Title", "Modify Title", "titolo", nullptr},
    {GameField::Publisher, "Publisher", "Modify Publisher", "sh", nullptr},
    {GameField::Genre, "Genre", "Modify Genre", "tipo", nullptr},
    {GameField::Year, "Year", "Modify Year", "year", nullptr},
};

class FieldEditorTest : public ::testing::TestWithParam<Field>
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
    FieldEditor *open(GameField field, int id)
    {
        return tc.open<FieldEditor>(FieldEditorRequest{id, field});
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

TEST_P(FieldEditorTest, ShowsAndWritesExactlyTheColumnsOfItsField)
{
    const Field f = GetParam();
    const bool pair = f.second != nullptr;
    const int id = addGame(), other = addGame();
    QSignalSpy saved(&tc.events(), &WindowEvents::gameSaved);
    FieldEditor *w = open(f.field, id);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), f.caption);
    EXPECT_EQ(edit(w, "firstEdit")->text(), QString(f.first) + " was");
    EXPECT_EQ(edit(w, "secondEdit")->isHidden(), !pair);
    EXPECT_EQ(control<QLabel>(w, "secondLabel")->isHidden(), !pair);
    if (pair) {
        EXPECT_EQ(edit(w, "secondEdit")->text(), QString(f.second) + " was");
    }
    edit(w, "firstEdit")->setText("New 1");
    edit(w, "secondEdit")->setText(pair ? "" : "New 2");
    click(w, "modifyButton");
    EXPECT_FALSE(tc.isOpen(WindowKey::FieldEditor));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty()) << "no question, no message";
    EXPECT_EQ(saved.value(0).value(0).toInt(), id);
    EXPECT_EQ(tc.text(id, f.first), "New 1");
    if (pair) {
        EXPECT_TRUE(tc.null(id, f.second)) << "an emptied box stores Null";
    }
    expectUnchanged(id, {f.first, pair ? f.second : ""});
    expectUnchanged(other);
}

INSTANTIATE_TEST_SUITE_P(EveryField, FieldEditorTest, ::testing::ValuesIn(kFields),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FieldEditorTest, OpenedAgainItTakesTheNewRequestAndCancelWritesNothing)
{
    const int id = addGame(), second = addGame();
    FieldEditor *w = open(GameField::Title, id);
    EXPECT_EQ(open(GameField::Year, second), w);
    EXPECT_TRUE(edit(w, "secondEdit")->isHidden());
    QTest::keyClicks(edit(w, "firstEdit"), " 1988");
    click(w, "modifyButton");
    EXPECT_EQ(tc.text(second, "year"), "year was 1988");
    expectUnchanged(id);
    edit(open(GameField::Team, id), "firstEdit")->setText("Anything");
    click(tc.windows.find(WindowKey::FieldEditor), "cancelButton");
    EXPECT_FALSE(tc.isOpen(WindowKey::FieldEditor));
    expectUnchanged(id);
}

TEST_F(FieldEditorTest, DeletedOrUnreadableGameIsReportedAndNeverOverwritten)
{
    const int id = addGame();
    FieldEditor *w = open(GameField::Genre, id);
    tc.remove(id);
    edit(w, "firstEdit")->setText("Arcade");
    click(w, "modifyButton");
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("no longer in the catalogue"));
    EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    EXPECT_EQ(edit(w, "firstEdit")->text(), "Arcade") << "the edit stays";
    EXPECT_EQ(tc.catalogue.count(), 0);
    w->close();

    tc.dialogs.clear();
    const int kept = addGame();
    tc.hideGames(true);
    w = open(GameField::Music, kept);
    tc.hideGames(false);
    EXPECT_TRUE(tc.dialogs.messages().value(0).startsWith("The game could not be read: "));
    EXPECT_TRUE(edit(w, "firstEdit")->text().isEmpty());
    edit(w, "firstEdit")->setText("Someone");
    click(w, "modifyButton");
    EXPECT_TRUE(tc.lastMessage().contains("Nothing was written"));
    EXPECT_TRUE(tc.isOpen(WindowKey::FieldEditor));
    expectUnchanged(kept);
}

TEST(GameInfoWindowTest, ShowsOthersAndNoteClosesWhenLeftAndReportsAMissingGame)
{
    EditingContext tc;
    const int id = tc.catalogue.addGame({{"others", "Thanks to all"}, {"note", "Note"}});
    QWidget *w = tc.open<GameInfoWindow>(GameInfoRequest{id});
    auto *others = control<QPlainTextEdit>(w, "othersView");
    EXPECT_TRUE(others->isReadOnly());
    EXPECT_EQ(others->toPlainText(), "Thanks to all");
    EXPECT_EQ(control<QPlainTextEdit>(w, "noteView")->toPlainText(), "Note");
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QWidget main;
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_FALSE(tc.isOpen(WindowKey::GameInfo)) << "another window took the focus";

    tc.open<GameInfoWindow>(GameInfoRequest{12345})->close();
    tc.ctx->paths.catalogue = tc.catalogue.dir() + "/missing.mdb";
    tc.open<GameInfoWindow>(GameInfoRequest{id});
    EXPECT_TRUE(tc.dialogs.messages().value(0).contains("no longer in the catalogue"));
    EXPECT_EQ(tc.dialogs.messages().mid(1), QStringList{"Database Open Error"});
}
