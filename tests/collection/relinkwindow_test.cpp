#include "collectionregistry.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{

TEST(RelinkWindow, MapsTheSharedFolderPreviewsAndRelinks)
{
    TestContext t;
    registerCollectionWindows(*t.ctx);
    QTemporaryDir tree;
    writeFile(tree.filePath("C64/Krakout.d64"));
    writeFile(tree.filePath("Shots/krakout.png"));
    const int id = t.catalogue.addGame({{"titolo", "Krakout"},
                                        {"emul1", "C:\\Giochi\\C64\\KRAKOUT.D64"},
                                        {"screen1", "C:\\Giochi\\Shots\\KRAKOUT.PNG"},
                                        {"song", "C:\\Giochi\\Music\\gone.sid"}});

    QWidget *w = t.windows.show(WindowKey::Relink);
    auto *missing = control<QLabel>(w, "missingLabel");
    EXPECT_TRUE(
        QTest::qWaitFor([missing] { return missing->text().startsWith("3 files are missing"); }));
    auto *prefixes = control<QTreeView>(w, "prefixView");
    ASSERT_EQ(prefixes->model()->rowCount(), 1);
    EXPECT_EQ(prefixes->model()->index(0, 0).data().toString(), "C:\\Giochi\\");
    prefixes->setCurrentIndex(prefixes->model()->index(0, 0));

    t.dialogs.folders << tree.path();
    click(w, "newFolderButton");
    auto *preview = control<QLabel>(w, "previewLabel");
    EXPECT_TRUE(QTest::qWaitFor([preview] { return preview->text().contains("would"); }));
    EXPECT_EQ(preview->text(), "2 of 3 missing paths would be found.");
    EXPECT_EQ(t.catalogue.value(id, "emul1").toString(), "C:\\Giochi\\C64\\KRAKOUT.D64");

    click(w, "relinkButton");
    EXPECT_TRUE(QTest::qWaitFor([preview] { return preview->text().startsWith("Relinked"); }));
    EXPECT_EQ(preview->text(), "Relinked 2, still missing 1, ambiguous 0.");
    EXPECT_EQ(t.catalogue.value(id, "emul1").toString(), tree.filePath("C64/Krakout.d64"));
    EXPECT_EQ(control<QPlainTextEdit>(w, "reportView")->toPlainText().count(u'\n'), 1);
    EXPECT_TRUE(
        QTest::qWaitFor([missing] { return missing->text().startsWith("1 file is missing"); }));
}

struct FakeEditor : QWidget, RequestTaker<RecordEditorRequest> {
    explicit FakeEditor(QList<int> &ids) : opened(ids) {}
    bool takeRequest(const RecordEditorRequest &r) override
    {
        opened << r.gameId;
        return true;
    }
    QList<int> &opened;
};

TEST(MissingFilesWindow, ListsTheLostPathsSortedAndOpensTheirGames)
{
    TestContext t;
    registerCollectionWindows(*t.ctx);
    QList<int> opened;
    t.windows.addFactory(WindowKey::RecordEditor, [&opened] { return new FakeEditor(opened); });
    const QString here = writeFile(t.catalogue.dir() + "/here.d64");
    const int zak = t.catalogue.addGame({{"titolo", "Zak"}, {"emul1", "C:\\zak.d64"}});
    const int alley =
        t.catalogue.addGame({{"titolo", "Alley"}, {"emul1", here}, {"screen1", "/no.png"}});

    QWidget *w = t.windows.show(WindowKey::MissingFiles);
    auto *status = control<QLabel>(w, "missingStatus");
    ASSERT_TRUE(QTest::qWaitFor([status] { return status->text().endsWith(u'.'); }));
    EXPECT_EQ(status->text(), "2 files are missing.");
    auto *view = control<QTreeView>(w, "missingView");
    view->sortByColumn(1, Qt::AscendingOrder);
    const QAbstractItemModel *rows = view->model();
    EXPECT_EQ(rows->index(0, 1).data().toString(), "Alley");
    EXPECT_EQ(rows->index(0, 2).data().toString(), "screenshot 1");
    EXPECT_EQ(rows->index(0, 3).data().toString(), "/no.png");
    view->setCurrentIndex(rows->index(0, 0));
    QTest::keyClick(view, Qt::Key_Return);
    // The first click makes the row the pressed one, as a user's first click does.
    const QPoint zakRow = view->visualRect(rows->index(1, 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, zakRow);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, zakRow);
    EXPECT_EQ(opened, QList<int>({alley, zak}));
}

} // namespace
