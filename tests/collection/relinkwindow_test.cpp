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
    writeFile(tree.filePath(QStringLiteral("C64/Krakout.d64")));
    writeFile(tree.filePath(QStringLiteral("Shots/krakout.png")));
    const int id = t.catalogue.addGame(
        {{QStringLiteral("titolo"), QStringLiteral("Krakout")},
         {QStringLiteral("emul1"), QStringLiteral("C:\\Giochi\\C64\\KRAKOUT.D64")},
         {QStringLiteral("screen1"), QStringLiteral("C:\\Giochi\\Shots\\KRAKOUT.PNG")},
         {QStringLiteral("song"), QStringLiteral("C:\\Giochi\\Music\\gone.sid")}});

    QWidget *w = t.windows.show(WindowKey::Relink);
    auto *missing = control<QLabel>(w, QStringLiteral("missingLabel"));
    EXPECT_TRUE(QTest::qWaitFor(
        [missing] { return missing->text().startsWith(QStringLiteral("3 files are missing")); }));
    auto *prefixes = control<QTreeView>(w, QStringLiteral("prefixView"));
    ASSERT_EQ(prefixes->model()->rowCount(), 1);
    EXPECT_EQ(prefixes->model()->index(0, 0).data().toString(), QStringLiteral("C:\\Giochi\\"));
    prefixes->setCurrentIndex(prefixes->model()->index(0, 0));

    t.dialogs.folders << tree.path();
    click(w, QStringLiteral("newFolderButton"));
    auto *preview = control<QLabel>(w, QStringLiteral("previewLabel"));
    EXPECT_TRUE(
        QTest::qWaitFor([preview] { return preview->text().contains(QLatin1String("would")); }));
    EXPECT_EQ(preview->text(), QStringLiteral("2 of 3 missing paths would be found."));
    EXPECT_EQ(t.catalogue.value(id, QStringLiteral("emul1")).toString(),
              QStringLiteral("C:\\Giochi\\C64\\KRAKOUT.D64"));

    click(w, QStringLiteral("relinkButton"));
    EXPECT_TRUE(QTest::qWaitFor(
        [preview] { return preview->text().startsWith(QLatin1String("Relinked")); }));
    EXPECT_EQ(preview->text(), QStringLiteral("Relinked 2, still missing 1, ambiguous 0."));
    EXPECT_EQ(t.catalogue.value(id, QStringLiteral("emul1")).toString(),
              tree.filePath(QStringLiteral("C64/Krakout.d64")));
    EXPECT_EQ(control<QPlainTextEdit>(w, QStringLiteral("reportView"))->toPlainText().count(u'\n'),
              1);
    EXPECT_TRUE(QTest::qWaitFor(
        [missing] { return missing->text().startsWith(QStringLiteral("1 file is missing")); }));
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
    const QString here = writeFile(t.catalogue.dir() + QStringLiteral("/here.d64"));
    const int zak = t.catalogue.addGame({{QStringLiteral("titolo"), QStringLiteral("Zak")},
                                         {QStringLiteral("emul1"), QStringLiteral("C:\\zak.d64")}});
    const int alley = t.catalogue.addGame({{QStringLiteral("titolo"), QStringLiteral("Alley")},
                                           {QStringLiteral("emul1"), here},
                                           {QStringLiteral("screen1"), QStringLiteral("/no.png")}});

    QWidget *w = t.windows.show(WindowKey::MissingFiles);
    auto *status = control<QLabel>(w, QStringLiteral("missingStatus"));
    ASSERT_TRUE(QTest::qWaitFor([status] { return status->text().endsWith(u'.'); }));
    EXPECT_EQ(status->text(), QStringLiteral("2 files are missing."));
    auto *view = control<QTreeView>(w, QStringLiteral("missingView"));
    view->sortByColumn(1, Qt::AscendingOrder);
    const QAbstractItemModel *rows = view->model();
    EXPECT_EQ(rows->index(0, 1).data().toString(), QStringLiteral("Alley"));
    EXPECT_EQ(rows->index(0, 2).data().toString(), QStringLiteral("screenshot 1"));
    EXPECT_EQ(rows->index(0, 3).data().toString(), QStringLiteral("/no.png"));
    view->setCurrentIndex(rows->index(0, 0));
    QTest::keyClick(view, Qt::Key_Return);
    // The first click makes the row the pressed one, as a user's first click does.
    const QPoint zakRow = view->visualRect(rows->index(1, 1)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, zakRow);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, zakRow);
    EXPECT_EQ(opened, QList<int>({alley, zak}));
}

} // namespace
