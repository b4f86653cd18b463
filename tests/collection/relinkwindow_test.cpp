#include "collectionregistry.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>

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
    EXPECT_TRUE(control<QLabel>(w, QStringLiteral("missingLabel"))
                    ->text()
                    .startsWith(QStringLiteral("3 files are missing")));
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
    EXPECT_TRUE(control<QLabel>(w, QStringLiteral("missingLabel"))
                    ->text()
                    .startsWith(QStringLiteral("1 file is missing")));
}

} // namespace
