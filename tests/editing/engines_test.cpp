#include "editingtest.h"
#include "gamesaver.h"

#include <functional>
#include <utility>

namespace
{

// Lets another program change the catalogue while a choice is on screen.
class MeddlingDialogs : public FakeDialogs
{
public:
    std::function<void()> meddle;
    int choose(const QString &text, Icon icon, const QString &title, const QStringList &buttons,
               int defaultButton, int escapeButton) override
    {
        if (meddle)
            std::exchange(meddle, {})();
        return FakeDialogs::choose(text, icon, title, buttons, defaultButton, escapeButton);
    }
};

} // namespace

TEST(GameSaver, OverwriteIsAskedAgainAfterAnotherChangeAndKeepsWhatTheEditorDoesNotShow)
{
    EditingContext tc;
    CatalogueStore store(tc.catalogue.db());
    MeddlingDialogs dialogs;
    GameSaver saver(store, dialogs);
    const int id = tc.catalogue.addGame({{"titolo", "Elite"}, {"formato", "C64"}, {"voto", "7"}});
    const Game loaded = store.game(id).value();
    const auto retitle = [&](const char *title, const char *rating) {
        Game now = store.game(id).value();
        Game theirs = now;
        theirs.title = QString::fromLatin1(title);
        theirs.rating = QString::fromLatin1(rating);
        ASSERT_TRUE(store.updateGame(now, theirs).ok());
    };
    retitle("Elite (Firebird)", "9");
    dialogs.meddle = [&] { retitle("Elite (Acornsoft)", "8"); };
    dialogs.choices = {0, 0}; // Overwrite, twice
    Game edited = loaded;
    edited.title = QStringLiteral("Elite Plus");
    edited.machine = QStringLiteral(" c64 ");
    const auto save = saver.saveChanges(loaded, edited, {Game::Field::Title});
    ASSERT_TRUE(save.ok()) << save.error().toStdString();
    EXPECT_EQ(save->kind, GameSaver::Save::Saved);
    ASSERT_EQ(dialogs.questions().size(), 2);
    EXPECT_TRUE(dialogs.questions().at(1).startsWith(
        "Another program changed Elite (Acornsoft) while it was open here: Title."));
    EXPECT_EQ(tc.text(id, "titolo"), "Elite Plus");
    EXPECT_EQ(tc.text(id, "voto"), "8") << "not shown, not overwritten";
    EXPECT_EQ(tc.text(id, "formato"), "C64");
    EXPECT_EQ(tc.text(id, "dbver"), "Private");
}
