// Detection of the installed emulators and players: the engine, the stored record and the
// configuration window's "Detect" button.
#include "configregistry.h"
#include "programdetection.h"

#include "testcatalogue.h"
#include "widgettest.h"

#include <QLineEdit>

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

// The button looks on PATH, fills the empty boxes only and says what it found; nothing is
// stored before OK.
TEST(ProgramDetection, DetectButtonFillsEmptyBoxesFromPath)
{
    TestContext t;
    t.catalogue.setConfig({{"player2", "/mine/xmp"}});
    const QString bin = t.temp.filePath("bin");
    const QString x64sc = writeFile(bin + "/x64sc", "", true);
    writeFile(bin + "/xmp", "", true);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin));
    registerConfigWindows(*t.ctx);
    QWidget *w = t.ctx->windows.show(WindowKey::SystemConfig);
    click(w, "detectButton");
    qputenv("PATH", path);
    EXPECT_EQ(control<QLineEdit>(w, "viceEdit")->text(), x64sc);
    EXPECT_EQ(control<QLineEdit>(w, "player2Edit")->text(), "/mine/xmp");
    EXPECT_EQ(control<QLineEdit>(w, "uaeEdit")->text(), "");
    EXPECT_EQ(t.dialogs.messages(),
              QStringList{"Found:\nCommodore 64, VICE: " + x64sc +
                          "\n\nThe paths are filled in but not stored yet: OK in System "
                          "Configuration stores them, Exit drops them."});
    EXPECT_TRUE(t.catalogue.value(0, "vice").isNull());
    t.ctx->windows.closeAll();
}
