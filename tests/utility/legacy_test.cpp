#include "batch.h"
#include "exportfiles.h"
#include "importfile.h"
#include "legacyreader.h"
#include "merrowregistry.h"
#include "paths.h"

#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QTest>
#include <QTextStream>

using namespace merrow;

const QString kExport = QStringLiteral(VANTREL_LEGACY_FIXTURES "/export-jet4.mdb");

// A legacy Jet export file goes through the same import as ours: list, differences, transfer.
TEST(LegacyExportFile, ImportedAsOursAndListedByTheImportWindow)
{
    TestContext t;
    registerMerrowWindows(*t.ctx);
    const QByteArray original = readFile(kExport);
    // Windows line ends, as the older program stored them.
    const QString note = "Line one of the notes.\r\nSecond line, with a comma; and \"quotes\".";
    const struct {
        BatchRequest::Import mode;
        int newGames, games;
        const char *says;
    } rows[] = {
        {BatchRequest::Import::Diff, 12, 0, "A 1.3 Über Łódź\n  NEW GAME\n"},
        {BatchRequest::Import::New, 0, 12, "Games Added: 12\nGames Modified: 0\n"},
        {BatchRequest::Import::All, 0, 12, "Games Added: 0\nGames Modified: 0\n"}, // as they are
        {BatchRequest::Import::Diff, 0, 12, "A 1.3 Über Łódź\n"},
    };
    for (const auto &r : rows) {
        QString out, err;
        QTextStream o(&out), e(&err);
        EXPECT_EQ(runBatch({BatchRequest::Kind::Import, r.mode, kExport}, t.ctx->paths, o, e), 0)
            << err.toStdString();
        EXPECT_EQ(out.count("NEW GAME"), r.newGames) << out.toStdString();
        EXPECT_TRUE(out.endsWith(r.says)) << out.toStdString();
        EXPECT_EQ(t.catalogue.count(), r.games);
    }
    EXPECT_EQ(t.catalogue.value(1, "titolo").toString(), "Façade Mañana");
    EXPECT_EQ(t.catalogue.value(1, "note").toString(), note);
    EXPECT_EQ(t.catalogue.value(2, "titolo").toString(), "Rally Łódź");
    EXPECT_EQ(t.catalogue.value(12, "titolo").toString(), "Über Łódź");
    EXPECT_EQ(readFile(kExport), original);
    QWidget *w = t.windows.open(ImportRequest{kExport});
    const QAbstractItemModel *list = control<QListView>(w, "gameList")->model();
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->rowCount() > 0; }, 30000));
    EXPECT_EQ(control<QLabel>(w, "gameCountLabel")->text(), "12");
    EXPECT_EQ(control<QProgressBar>(w, "progressBar")->value(), 12) << "the bar followed the read";
    EXPECT_EQ(list->index(0, 0).data().toString(), "A 2.x Façade Mañana");
    EXPECT_EQ(t.dialogs.messages(), QStringList());
    // A cancel (the window closed) stops the reader.
    RecordingProgress closed;
    closed.cancelWhen = [] { return true; };
    const auto read = ImportFile::open(kExport, t.ctx->paths.tempDir, nullptr, closed);
    EXPECT_TRUE(read.error().endsWith(legacy::cancelledReason())) << read.error().toStdString();
}
