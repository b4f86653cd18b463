// Every editing window fits the available screen area with its buttons in sight: on the
// tests' screen, on a low 1280 x 800 one and at scale 1.75.
#include "editingtest.h"

#include <QScreen>

#include <functional>

TEST(EditingWindowsFit, WithTheirButtonsInSight)
{
    EditingContext tc;
    const int game = tc.catalogue.addGame({{"titolo", "Lemmings"}, {"formato", "Amiga"}});
    const QStringList okCancel{"okButton", "cancelButton"};
    const auto opener = [&tc](auto request) {
        return std::function<QWidget *()>([&tc, request] { return tc.windows.open(request); });
    };
    const struct {
        const char *name;
        std::function<QWidget *()> open;
        QStringList buttons;
        bool wholeWherePossible = false; // grown to its content as far as the screen allows
    } cases[] = {
        {"record editor with DFx open",
         [&] {
             QWidget *w = tc.windows.open(RecordEditorRequest{game, EditMode::Modify});
             click(w, "disksButton");
             return w;
         },
         {"modifyButton", "closeButton"},
         true},
        {"new game", opener(RecordEditorRequest{0, EditMode::New}), {"saveButton", "closeButton"}},
        {"field editor",
         opener(FieldEditorRequest{game, GameField::Graphics}),
         {"modifyButton", "cancelButton"}},
        {"game info", opener(GameInfoRequest{game}), {}},
        {"chooser with preview", opener(FileChooserRequest{ChooserPurpose::Screenshot1, {}, 0}),
         okCancel},
        {"folder chooser", opener(FileChooserRequest{ChooserPurpose::AmigaGamesFolder, {}, 0}),
         okCancel},
        {"associate", opener(AssociationRequest{AssociationKind::AmigaGame, {}}), okCancel},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QWidget *w = c.open();
        ASSERT_TRUE(w);
        EXPECT_TRUE(fitsScreen(w));
        for (const QString &button : c.buttons)
            EXPECT_TRUE(inSight(w, button)) << button.toStdString();
        const int room =
            w->screen()->availableGeometry().height() - (w->frameGeometry().height() - w->height());
        if (c.wholeWherePossible) {
            EXPECT_EQ(w->height(), std::min(w->sizeHint().height(), room));
        }
        tc.windows.closeAll();
    }
}

TEST(EditingWindowsFit, AlsoOnALowScreenAndAtScale175)
{
    for (double scale : {1.0, 1.75})
        EXPECT_EQ(failuresOnScreen("EditingWindowsFit.With*", {1280, 800}, scale), QString())
            << scale;
}
