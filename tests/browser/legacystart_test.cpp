#include "appcontext.h"
#include "cataloguestore.h"
#include "database.h"
#include "legacystart.h"
#include "legacystartfollowup.h"
#include "legacystartoffer.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QTest>

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
        LegacyStartOffer offer(dialogs, dir.filePath("data"));
        const Paths after = offer.run(before);
        EXPECT_EQ(offer.converted(), r.games == 40) << r.why;

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

TEST(LegacyStartFollowUp, OffersRelinkThenDetectInPlaceOfTheWindowsPrograms)
{
    TestContext t;
    t.windows.addFactory(WindowKey::Relink, [] { return new QWidget; });
    t.catalogue.addGame({{"titolo", "Krakout"}, {"emul1", "C:\\Giochi\\KRAKOUT.D64"}});
    Configuration windows;
    windows.vice = "C:\\WinVICE\\x64.exe";
    windows.player1 = "C:\\Sid\\sidplay.exe";
    ASSERT_EQ(CatalogueStore(t.ctx->db()).saveConfiguration(windows).error(), "");
    LegacyStartFollowUp followUp(*t.ctx, [](const QSqlDatabase &db) {
        Configuration found; // Detect fills only empty paths, so the Windows ones must go
        found.vice = CatalogueStore(db).configuration().valueOr({}).vice + "/usr/bin/x64sc";
        return CatalogueStore(db).saveConfiguration(found, {Configuration::Path::Vice});
    });
    followUp.start();
    ASSERT_TRUE(QTest::qWaitFor([&t] { return t.windows.find(WindowKey::Relink); }));
    ASSERT_EQ(t.dialogs.shown.size(), 1); // Detect waits for the relink
    EXPECT_EQ(t.dialogs.shown[0].text, "1 file of the converted catalogue is not found on this "
                                       "computer. Relink it now?");
    t.windows.find(WindowKey::Relink)->close();
    ASSERT_TRUE(QTest::qWaitFor([&t] { return t.dialogs.shown.size() == 3; }));
    EXPECT_TRUE(t.dialogs.shown[1].text.startsWith("The emulator and player paths"));
    EXPECT_EQ(t.dialogs.shown[2].text, "Detect found 1 of the 2 programs; set the others in "
                                       "Configuration > System.");
    const Configuration now = CatalogueStore(t.ctx->db()).configuration().valueOr({});
    EXPECT_EQ(now.vice, "/usr/bin/x64sc");
    EXPECT_EQ(now.player1, "");
}
