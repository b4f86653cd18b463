// Detection of the installed emulators and players: the engine and the stored record.
#include "programdetection.h"

#include "testcatalogue.h"

#include <gtest/gtest.h>

namespace
{

// Installed: the second choice for VICE, the first for player 1, both for player 2.
QString installed(const QString &program)
{
    const QStringList there{"x64", "sidplayfp", "sidplay2", "xmp", "openmpt123", "fs-uae"};
    return there.contains(program) ? "/bin/" + program : QString();
}

} // namespace

TEST(ProgramDetection, FillsOnlyEmptyPathsWithTheFirstInstalledChoice)
{
    using P = Configuration::Path;
    Configuration configuration;
    configuration.uae = "/mine/winuae";
    const QList<programdetection::Found> found =
        programdetection::fillEmpty(configuration, installed);
    const QList<programdetection::Found> expected{
        {P::Vice, "/bin/x64"}, {P::Player1, "/bin/sidplayfp"}, {P::Player2, "/bin/xmp"}};
    EXPECT_EQ(found, expected);
    EXPECT_EQ(configuration.vice, "/bin/x64");
    EXPECT_EQ(configuration.uae, "/mine/winuae");
}

TEST(ProgramDetection, WritesTheFoundPathsIntoTheRecordOnly)
{
    TestCatalogue c;
    c.setConfig({{"uae", "/mine/winuae"}, {"fellow", "/mine/fellow"}});
    const Outcome detected = programdetection::detectInto(c.db(), installed);
    EXPECT_TRUE(detected.ok()) << detected.error().toStdString();
    EXPECT_EQ(c.value(0, "vice").toString(), "/bin/x64");
    EXPECT_EQ(c.value(0, "uae").toString(), "/mine/winuae");
    EXPECT_EQ(c.value(0, "fellow").toString(), "/mine/fellow");
}
