#include "editingtest.h"
#include "fieldeditor.h"
#include "gameinfowindow.h"

#include <QPlainTextEdit>
#include <QTest>

namespace
{

struct Field {
    GameField field;
    const char *name, *first, *second;
};
const Field kFields[] = {
    {GameField::Graphics, "Graphics", "graphics", "addgraphics"},
    {GameField::Design, "Design", "design", "adddesign"},
    {GameField::Programming, "Programming", "programming", "addprogramming"},
    {GameField::Music, "Music", "music", "addmusic"},
    {GameField::Team, "Team", "team", nullptr},
    {GameField::Title, "Title", "titolo", nullptr},
    {GameField::Publisher, "Publisher", "sh", nullptr},
    {GameField::Genre, "Genre", "tipo", nullptr},
    {GameField::Year, "Year", "year", nullptr},
};

// Every column of a game as the schema spells it.
const QStringList kColumns = QString("titolo sh team year tipo formato design programming "
                                     "graphics music adddesign addprogramming addgraphics "
                                     "addmusic others note voto emulator emul1 df1 df2 df3 song "
                                     "screen1 screen2 dbver")
                                 .split(' ');

class FieldEditorTest : public ::testing::TestWithParam<Field>
{
protected:
    // Every column holds its own name, so a stray write shows which column it hit.
    int addGame()
    {
        QVariantMap game;
        for (const QString &column : kColumns)
            game.insert(column, column);
        return tc.catalogue.addGame(game);
    }
    FieldEditor *open(GameField f, int id)
    {
        return tc.open<FieldEditor, FieldEditorRequest>({id, f});
    }
    void expectUnchanged(int id, const QStringList &except = {})
    {
        for (const QString &column : kColumns)
            if (!except.contains(column)) {
                EXPECT_EQ(tc.catalogue.value(id, column).toString(), column);
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
    EXPECT_EQ(w->windowTitle(), QString("Modify ") + f.name);
    EXPECT_EQ(edit(w, "firstEdit")->text(), f.first);
    EXPECT_EQ(edit(w, "secondEdit")->isHidden(), !pair);
    EXPECT_EQ(edit(w, "secondEdit")->text(), pair ? f.second : "");
    edit(w, "firstEdit")->setText("New 1");
    edit(w, "secondEdit")->setText(pair ? "" : "New 2");
    click(w, "modifyButton");
    EXPECT_FALSE(tc.isOpen(WindowKey::FieldEditor));
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

TEST_F(FieldEditorTest, TakesANewRequestAndNeverOverwritesAGameItCouldNotRead)
{
    const int id = addGame(), second = addGame();
    FieldEditor *w = open(GameField::Title, id);
    EXPECT_EQ(open(GameField::Year, second), w);
    QTest::keyClicks(edit(w, "firstEdit"), " 1988");
    tc.remove(second);
    click(w, "modifyButton");
    EXPECT_TRUE(tc.lastMessage().contains("no longer in the catalogue"));
    EXPECT_EQ(edit(w, "firstEdit")->text(), "year 1988") << "the edit stays";
    click(w, "cancelButton");

    tc.hideGames(true);
    w = open(GameField::Music, id);
    tc.hideGames(false);
    EXPECT_TRUE(tc.lastMessage().startsWith("The game could not be read: "));
    click(w, "modifyButton");
    EXPECT_TRUE(tc.lastMessage().contains("Nothing was written"));
    expectUnchanged(id);
}

TEST_F(FieldEditorTest, EnterSavesOnceAndAChangeMadeElsewhereIsOverwrittenOnlyWhenTold)
{
    const int id = addGame();
    const auto elsewhere = [this, id](const char *value) {
        tc.elsewhere("update tabella1 set addgraphics=? where id=?", {value, id});
    };
    FieldEditor *w = open(GameField::Graphics, id);
    edit(w, "firstEdit")->setText("Mine");
    elsewhere("Theirs");
    tc.dialogs.choices = {2, 1}; // Cancel, then Reload
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(edit(w, "firstEdit"), Qt::Key_Return);
    EXPECT_EQ(tc.dialogs.questions().size(), 2) << "one question for each Enter";
    EXPECT_TRUE(tc.dialogs.questions().value(0).contains(": Additional Graphics.\n"));
    EXPECT_EQ(tc.text(id, "graphics"), "graphics");
    EXPECT_EQ(edit(w, "secondEdit")->text(), "Theirs") << "reloaded";
    edit(w, "firstEdit")->setText("Mine");
    elsewhere("Later");
    tc.dialogs.choices = {0}; // Overwrite
    click(w, "modifyButton");
    EXPECT_EQ(tc.text(id, "graphics"), "Mine");
    EXPECT_EQ(tc.text(id, "addgraphics"), "Theirs");
    EXPECT_FALSE(tc.isOpen(WindowKey::FieldEditor));
}

TEST(GameInfoWindowTest, ShowsOthersAndNoteClosesWhenLeftAndReportsAMissingGame)
{
    EditingContext tc;
    const int id = tc.catalogue.addGame({{"others", "Thanks to all"}, {"note", "Note"}});
    QWidget *w = tc.open<GameInfoWindow>(GameInfoRequest{id});
    EXPECT_EQ(control<QPlainTextEdit>(w, "othersView")->toPlainText(), "Thanks to all");
    EXPECT_EQ(control<QPlainTextEdit>(w, "noteView")->toPlainText(), "Note");
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QWidget main;
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_FALSE(tc.isOpen(WindowKey::GameInfo)) << "another window took the focus";
}
