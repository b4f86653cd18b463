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
    configrecord::Values values{{"vice", ""}, {"uae", "/mine/winuae"}, {"player2", ""}};
    const QList<programdetection::Found> found = programdetection::fillEmpty(values, installed);
    QStringList filled;
    for (const programdetection::Found &f : found)
        filled << f.column + "=" + f.path;
    EXPECT_EQ(filled, (QStringList{"vice=/bin/x64", "player1=/bin/sidplayfp", "player2=/bin/xmp"}));
    EXPECT_EQ(values.value("uae"), "/mine/winuae");
}

TEST(ProgramDetection, WritesTheFoundPathsIntoTheRecordOnly)
{
    TestCatalogue c;
    c.setConfig({{"uae", "/mine/winuae"}, {"fellow", "/mine/fellow"}});
    QString error;
    EXPECT_TRUE(programdetection::detectInto(c.db(), &error, installed)) << error.toStdString();
    EXPECT_EQ(c.value(0, "vice").toString(), "/bin/x64");
    EXPECT_EQ(c.value(0, "uae").toString(), "/mine/winuae");
    EXPECT_EQ(c.value(0, "fellow").toString(), "/mine/fellow");
}
