#include "amigarecords.h"
#include "testcatalogue.h"

#include <gtest/gtest.h>

TEST(AmigaRecords, DisksOfAGameKeepNullsAndEmptiesApart)
{
    TestCatalogue catalogue;
    const int id = catalogue.addGame({{QStringLiteral("titolo"), QStringLiteral("It's")},
                                      {QStringLiteral("emul1"), QStringLiteral("/g/d1.adf")},
                                      {QStringLiteral("df2"), QString("")}});
    QString error;
    const auto disks = readAmigaDisks(catalogue.db(), id, &error);
    ASSERT_TRUE(disks) << error.toStdString();
    EXPECT_EQ((*disks)[0].toString(), QStringLiteral("/g/d1.adf"));
    EXPECT_TRUE((*disks)[1].isNull());
    EXPECT_FALSE((*disks)[2].isNull());
    EXPECT_TRUE((*disks)[2].toString().isEmpty());
    EXPECT_TRUE((*disks)[3].isNull());
    EXPECT_FALSE(readAmigaDisks(catalogue.db(), id + 1));
}

TEST(AmigaRecords, EmulatorsComeFromTheFirstConfigurationRecord)
{
    TestCatalogue catalogue;
    AmigaEmulators none = readAmigaEmulators(catalogue.db());
    EXPECT_TRUE(none.uae.isNull());
    EXPECT_TRUE(none.fellow.isNull());

    catalogue.setConfig({{QStringLiteral("uae"), QStringLiteral("/e/winuae")}});
    const AmigaEmulators some = readAmigaEmulators(catalogue.db());
    EXPECT_EQ(some.executable(AmigaEmulator::WinUAE).toString(), QStringLiteral("/e/winuae"));
    EXPECT_TRUE(some.executable(AmigaEmulator::WinFellow).isNull());

    QString error;
    const AmigaEmulators broken = readAmigaEmulators(QSqlDatabase(), &error);
    EXPECT_TRUE(broken.uae.isNull());
    EXPECT_FALSE(error.isEmpty());
}
