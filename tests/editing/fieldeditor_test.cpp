#include "additionalinfo.h"
#include "database.h"
#include "editingtest.h"
#include "fieldeditor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace
{

const QVariantMap kGame = {{"titolo", "Wizball"},
                           {"sh", "Ocean"},
                           {"team", "Sensible Software"},
                           {"year", "1987"},
                           {"tipo", "Shoot'em up"},
                           {"formato", "C64"},
                           {"design", "Jon Hare"},
                           {"adddesign", "Chris Yates"},
                           {"programming", "Chris Yates"},
                           {"addprogramming", "P2"},
                           {"graphics", "Jon Hare"},
                           {"addgraphics", "G2"},
                           {"music", "Martin Galway"},
                           {"addmusic", "M2"},
                           {"others", "Thanks to all"},
                           {"note", "Catelite"},
                           {"dbver", "4.0"},
                           {"emul1", "/g/wiz.d64"}};

struct Code {
    const char *code;
    const char *caption;
    const char *label1;
    const char *field1;
    const char *label2;
    const char *field2;
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

    EditingContext tc;
};

} // namespace

TEST_P(FieldEditor, ShowsAndWritesExactlyTheFieldsOfItsCode)
{
    const Code c = GetParam();
    const int id = tc.catalogue.addGame(kGame);
    const int other = tc.catalogue.addGame(kGame);
    Form6 *w = open(c.code, id);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), c.caption);
    EXPECT_EQ(control<QLabel>(w, "Label1")->text(), c.label1);
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), kGame.value(c.field1).toString());
    const bool pair = c.field2 != nullptr;
    EXPECT_EQ(control<QLabel>(w, "Label2")->isHidden(), !pair);
    EXPECT_EQ(control<QLineEdit>(w, "Text2")->isHidden(), !pair);
    if (pair) {
        EXPECT_EQ(control<QLabel>(w, "Label2")->text(), c.label2);
        EXPECT_EQ(control<QLineEdit>(w, "Text2")->text(), kGame.value(c.field2).toString());
    }

    control<QLineEdit>(w, "Text1")->setText("New 1");
    control<QLineEdit>(w, "Text2")->setText("New 2");
    control<QPushButton>(w, "Command1")->click();
    EXPECT_FALSE(isOpen(tc.app(), "Form6"));
    EXPECT_TRUE(tc.dialogs.shown.isEmpty()) << "no question, no message";

    for (const QString &column : catalogue::gameColumns()) {
        QVariant expected = kGame.value(column);
        if (column == c.field1)
            expected = "New 1";
        else if (pair && column == c.field2)
            expected = "New 2";
        EXPECT_EQ(tc.catalogue.value(id, column).toString(), expected.toString())
            << column.toStdString();
        EXPECT_EQ(tc.catalogue.value(other, column).toString(), kGame.value(column).toString());
    }
}

INSTANTIATE_TEST_SUITE_P(NineCodes, FieldEditor, ::testing::ValuesIn(kCodes),
                         [](const auto &info) { return std::string(info.param.code); });

TEST_F(FieldEditor, PairIsWrittenWholeEvenWhenOneBoxChanged)
{
    const int id = tc.catalogue.addGame(kGame);
    // A value that another window wrote after this one loaded is overwritten by the box.
    Form6 *w = open("mu", id);
    catalogue::run(tc.catalogue.db(), "update tabella1 set addmusic='elsewhere' where id=?", {id});
    QTest::keyClicks(control<QLineEdit>(w, "Text1"), " & Ben Daglish");
    control<QPushButton>(w, "Command1")->click();
    EXPECT_EQ(tc.catalogue.value(id, "music").toString(), "Martin Galway & Ben Daglish");
    EXPECT_EQ(tc.catalogue.value(id, "addmusic").toString(), "M2");
    EXPECT_EQ(tc.catalogue.value(id, "dbver").toString(), "4.0");
}

TEST_F(FieldEditor, EmptiedBoxStoresNullAndCancelWritesNothing)
{
    const int id = tc.catalogue.addGame(kGame);
    Form6 *w = open("te", id);
    control<QLineEdit>(w, "Text1")->clear();
    control<QPushButton>(w, "Command1")->click();
    EXPECT_TRUE(tc.catalogue.value(id, "team").isNull());

    w = open("na", id);
    control<QLineEdit>(w, "Text1")->setText("Wizball II");
    control<QPushButton>(w, "Command2")->click();
    EXPECT_FALSE(isOpen(tc.app(), "Form6"));
    EXPECT_EQ(tc.catalogue.value(id, "titolo").toString(), "Wizball");
}

TEST_F(FieldEditor, DeletedGameIsReportedAndTheEditStays)
{
    const int id = tc.catalogue.addGame(kGame);
    Form6 *w = open("ge", id);
    catalogue::run(tc.catalogue.db(), "delete from tabella1 where id=?", {id});
    control<QLineEdit>(w, "Text1")->setText("Arcade");
    control<QPushButton>(w, "Command1")->click();
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(tc.dialogs.messages().first().contains("no longer in the catalogue"));
    EXPECT_EQ(tc.dialogs.shown.last().icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(isOpen(tc.app(), "Form6"));
    EXPECT_EQ(control<QLineEdit>(w, "Text1")->text(), "Arcade");
    EXPECT_EQ(tc.catalogue.count(), 0);
}

TEST_F(FieldEditor, MissingGameShowsEmptyBoxesAndUnknownCodeWritesNothing)
{
    Form6 *w = open("pr", 999);
    EXPECT_TRUE(control<QLineEdit>(w, "Text1")->text().isEmpty());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());
    w->close();

    const int id = tc.catalogue.addGame(kGame);
    w = open("zz", id);
    control<QLineEdit>(w, "Text1")->setText("Anything");
    control<QPushButton>(w, "Command1")->click();
    EXPECT_FALSE(isOpen(tc.app(), "Form6"));
    for (const QString &column : catalogue::gameColumns())
        EXPECT_EQ(tc.catalogue.value(id, column).toString(), kGame.value(column).toString());
}

// A read that fails for another reason than a deleted game must not let the empty boxes
// overwrite the stored credits.
TEST_F(FieldEditor, UnreadableGameIsReportedAndNeverOverwritten)
{
    const int id = tc.catalogue.addGame(kGame);
    ASSERT_TRUE(
        catalogue::run(tc.catalogue.db(), "alter table tabella1 rename to hidden").isActive());
    Form6 *w = open("mu", id);
    ASSERT_TRUE(
        catalogue::run(tc.catalogue.db(), "alter table hidden rename to tabella1").isActive());
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(tc.dialogs.messages().first().startsWith("The game could not be read: "));
    EXPECT_TRUE(control<QLineEdit>(w, "Text1")->text().isEmpty());

    control<QLineEdit>(w, "Text1")->setText("Someone");
    control<QPushButton>(w, "Command1")->click();
    EXPECT_TRUE(tc.dialogs.messages().last().contains("Nothing was written"));
    EXPECT_TRUE(isOpen(tc.app(), "Form6"));
    for (const QString &column : catalogue::gameColumns())
        EXPECT_EQ(tc.catalogue.value(id, column).toString(), kGame.value(column).toString());
}

TEST_F(FieldEditor, UsesTheGameItWasOpenedFor)
{
    const int first = tc.catalogue.addGame(kGame);
    const int second = tc.catalogue.addGame(kGame);
    Form6 *w = open("ye", first);
    tc.app().selectedid = second; // "Info" on another game meanwhile
    control<QLineEdit>(w, "Text1")->setText("1988");
    control<QPushButton>(w, "Command1")->click();
    EXPECT_EQ(tc.catalogue.value(first, "year").toString(), "1988");
    EXPECT_EQ(tc.catalogue.value(second, "year").toString(), "1987");
}

TEST(AdditionalInfo, ShowsOthersAndNoteAndClosesWhenLeft)
{
    EditingContext tc;
    const int id = tc.catalogue.addGame(kGame);
    tc.app().selectedid = id;
    auto *w = qobject_cast<Form2 *>(showWindow(tc.app(), "Form2"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Additional Info");
    auto *others = control<QPlainTextEdit>(w, "Text1");
    EXPECT_EQ(others->toPlainText(), "Thanks to all");
    EXPECT_EQ(control<QPlainTextEdit>(w, "Text2")->toPlainText(), "Catelite");
    EXPECT_TRUE(others->isReadOnly());
    EXPECT_TRUE(tc.dialogs.shown.isEmpty());

    // Another window takes the focus: the info window goes.
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QWidget main;
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_FALSE(isOpen(tc.app(), "Form2"));
    EXPECT_EQ(tc.catalogue.value(id, "others").toString(), "Thanks to all");
}

TEST(AdditionalInfo, MissingGameOrCatalogueIsReported)
{
    EditingContext tc;
    tc.app().selectedid = 12345;
    auto *w = showWindow(tc.app(), "Form2");
    ASSERT_TRUE(w);
    ASSERT_EQ(tc.dialogs.messages().size(), 1);
    EXPECT_TRUE(tc.dialogs.messages().first().contains("no longer in the catalogue"));
    EXPECT_TRUE(control<QPlainTextEdit>(w, "Text1")->toPlainText().isEmpty());
    w->close();

    tc.app().paths.catalogue = tc.catalogue.dir() + "/missing.mdb";
    tc.dialogs.clear();
    showWindow(tc.app(), "Form2");
    EXPECT_EQ(tc.dialogs.messages(), QStringList{"Database Open Error"});
}
