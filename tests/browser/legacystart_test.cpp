#include "database.h"
#include "legacystart.h"
#include "legacystartoffer.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>

using browser::LegacyPlan;
using Action = LegacyPlan::Action;

TEST(LegacyStart, TargetChoice)
{
    const QString converted = "/old/cat-converted.mdb", user = "/data/commodore.mdb";
    const struct {
        const char *why;
        bool convertedExists, convertedIsCatalogue, writable, userExists, userIsCatalogue;
        Action action;
        QString target;
    } rows[] = {
        {"the copy converted before", true, true, false, true, true, Action::Open, converted},
        {"beside the old file", false, false, true, true, true, Action::Convert, converted},
        {"a file has the name", true, false, true, false, false, Action::Convert, user},
        {"read-only: the empty data folder", false, false, false, false, false, Action::Convert,
         user},
        {"read-only: the data folder's catalogue", false, false, false, true, true, Action::Open,
         user},
        {"nowhere to go", false, false, false, true, false, Action::None, ""},
    };
    for (const auto &r : rows) {
        const LegacyPlan plan =
            browser::planLegacyStart({converted, r.convertedExists, r.convertedIsCatalogue,
                                      r.writable, user, r.userExists, r.userIsCatalogue});
        EXPECT_EQ(plan.action, r.action) << r.why;
        EXPECT_EQ(plan.target, r.target) << r.why;
    }
}

TEST(LegacyStartOffer, ConvertsOpensOrLeavesTheCatalogueAsItWas)
{
    const struct {
        const char *why;
        bool yes, convertedBefore, damaged;
        bool goesOn; // with the converted catalogue
        int games;
        QString title, says; // of the last message or question; %1 the converted catalogue
    } rows[] = {
        {"Yes converts", true, false, false, true, 40, "Catalogue Converted",
         "The converted catalogue is at %1."},
        {"No leaves no file", false, false, false, false, -1, "Older Catalogue",
         "Convert it into a new catalogue at %1? The old file is left unchanged."},
        {"the copy converted before", true, true, false, true, 0, "Older Catalogue",
         "A catalogue of this version is at %1. Open it instead?"},
        {"a damaged file", true, false, true, false, -1, "Database Open Error",
         "Old Games.mdb could not be converted:\n"},
    };
    const QByteArray original = readFile(VANTREL_LEGACY_FIXTURES "/catalogue-jet4.mdb");
    for (const auto &r : rows) {
        QTemporaryDir dir;
        const QString jet = dir.filePath("Old Games.mdb");
        const QString converted = dir.filePath("Old Games-converted.mdb");
        const QByteArray bytes = r.damaged ? original.left(original.size() / 3) : original;
        writeFile(jet, bytes);
        if (r.convertedBefore) {
            ASSERT_EQ(catalogue::createCatalogue(converted).error(), "");
        }
        FakeDialogs dialogs;
        dialogs.answers = {r.yes};
        const Paths before{dir.path(), jet, "/elsewhere/Vantrel.ini", dir.path()};
        const Paths after = LegacyStartOffer(dialogs, dir.filePath("data")).run(before);

        EXPECT_EQ(after.catalogue, r.goesOn ? converted : jet) << r.why;
        EXPECT_EQ(after.stateFile, r.goesOn ? dir.filePath("Vantrel.ini") : before.stateFile);
        EXPECT_EQ(rowCount(converted), r.games) << r.why;
        EXPECT_EQ(readFile(jet), bytes) << r.why;
        ASSERT_FALSE(dialogs.shown.isEmpty()) << r.why;
        EXPECT_EQ(dialogs.shown.last().title, r.title) << r.why;
        EXPECT_TRUE(dialogs.shown.last().text.contains(
            QString(r.says).replace("%1", QDir::toNativeSeparators(converted))))
            << dialogs.shown.last().text.toStdString();
    }
}
