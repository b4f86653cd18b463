#include "editconflict.h"
#include "editingtest.h"
#include "gamerecords.h"

using namespace gamerecords;

TEST(GameRecords, HostileTextIsStoredVerbatimAndBadOrGuardedWritesLeaveNoTrace)
{
    EditingContext tc;
    QSqlDatabase db = tc.catalogue.db();
    const QString tricky = "It's \"100%\" [fun] * ?; drop table tabella1; --";
    QString error;
    const int id = insertGame(db, {{"titolo", tricky}, {"FORMATO", "C64"}}, &error);
    ASSERT_GT(id, 0) << error.toStdString();
    EXPECT_EQ(tc.text(id, "titolo"), tricky);
    EXPECT_EQ(tc.text(id, "formato"), "C64");
    EXPECT_EQ(insertGame(db, {{"titolo", "X"}, {"id", 99}}, &error), 0);
    EXPECT_EQ(insertGame(db, {{"titolo=titolo;--", "X"}}, &error), 0);
    EXPECT_FALSE(updateGame(db, id, {{"titolo", "Changed"}, {"nosuch", "x"}}, &error));
    EXPECT_EQ(tc.text(id, "titolo"), tricky);
    // No transaction was left open.
    EXPECT_GT(insertGame(db, {{"titolo", "Next"}}, &error), 0) << error.toStdString();
    EXPECT_EQ(tc.catalogue.count(), 2);

    const int guarded = insertGame(db, {{"titolo", "A"}, {"sh", "P"}}, nullptr);
    // The publisher moved from Q to P elsewhere, and P is what is written: nothing is lost.
    GuardedUpdate update = updateGameUnlessChanged(db, guarded, {{"titolo", "B"}, {"sh", "P"}},
                                                   {{"titolo", "A"}, {"sh", "Q"}});
    EXPECT_TRUE(update.written) << update.error.toStdString();
    update = updateGameUnlessChanged(db, guarded, {{"titolo", "C"}, {"sh", "X"}},
                                     {{"titolo", "A"}, {"sh", "P"}});
    EXPECT_FALSE(update.written);
    EXPECT_EQ(update.lostColumns, QStringList{"titolo"});
    EXPECT_EQ(update.stored.value("titolo"), "B");
    EXPECT_EQ(tc.text(guarded, "sh"), "P") << "nothing was written";
    tc.remove(guarded);
    update = updateGameUnlessChanged(db, guarded, {{"titolo", "C"}}, {{"titolo", "B"}});
    EXPECT_FALSE(update.written);
    EXPECT_EQ(update.error, recordGoneText());
}

TEST(EditConflict, LostAreTheColumnsChangedElsewhereThatTheSaveWouldUndo)
{
    const QVariant null{QMetaType(QMetaType::QString)};
    using M = QVariantMap;
    const auto title = [](const char *value) { return M{{"titolo", value}}; };
    const struct {
        const char *what;
        M loaded, stored, written;
        QStringList lost;
    } cases[] = {
        {"changed here only", title("A"), title("A"), title("B"), {}},
        {"changed elsewhere", title("A"), title("C"), title("A"), {"titolo"}},
        {"changed on both sides", title("A"), title("C"), title("B"), {"titolo"}},
        {"the same change", title("A"), title("C"), title("C"), {}},
        {"letter case", title("elite"), title("Elite"), title("elite"), {"titolo"}},
        {"Null and empty are one", {{"note", null}}, {{"note", ""}}, {{"note", null}}, {}},
        {"emptied elsewhere", {{"note", "x"}}, {{"note", null}}, {{"note", "x"}}, {"note"}},
        {"written, not loaded", {}, {{"dbver", "Other"}}, {{"dbver", "Private"}}, {}},
        {"loaded, not written", {{"sh", "A"}}, {{"sh", "B"}}, {}, {}},
        {"catalogue order",
         {{"sh", "A"}, {"titolo", "A"}, {"df1", "A"}},
         {{"sh", "B"}, {"titolo", "B"}, {"df1", "B"}},
         {{"sh", "A"}, {"titolo", "A"}, {"df1", "A"}},
         {"titolo", "sh", "df1"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(editconflict::lostColumns(c.loaded, c.stored, c.written), c.lost) << c.what;
    EXPECT_EQ(editconflict::fieldCaption("sh"), "Publisher");
    EXPECT_EQ(editconflict::fieldCaption("df2"), "DF2:");
    EXPECT_EQ(editconflict::fieldCaption("voto"), "voto");
}
