#include "collectionregistry.h"
#include "scanwindow.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QAbstractItemModel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

class ScanWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        registerCollectionWindows(*t.ctx);
        for (const char *name : {"Krakout (1987)(Gremlin).d64", "Elite (1985)(Firebird).d64",
                                 "Paradroid (1985)(Hewson).d64"})
            writeFile(m_folder.filePath(QString::fromLatin1(name)), QByteArray(174848, '\0'));
        writeFile(m_folder.filePath("cut.d64"), "cut");
    }
    // Opens the window on the folder and waits for the scan to end.
    QWidget *scanned()
    {
        QWidget *w = t.windows.open(FolderScanRequest{m_folder.path()});
        EXPECT_TRUE(
            QTest::qWaitFor([w] { return !control<QWidget>(w, "scanProgress")->isVisible(); }));
        return w;
    }

    TestContext t;
    QTemporaryDir m_folder;
};

TEST_F(ScanWindowTest, AddsTheChosenGamesAndTellsTheListOnce)
{
    QWidget *w = scanned();
    QAbstractItemModel *model = control<QTableView>(w, "scanTable")->model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->index(1, 0).data().toString(), "Krakout");
    EXPECT_EQ(control<QListWidget>(w, "skippedList")->count(), 1);
    EXPECT_EQ(control<QPushButton>(w, "addButton")->text(), "Add 3 Games");
    model->setData(model->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(control<QPushButton>(w, "addButton")->text(), "Add 2 Games");

    QSignalSpy added(&t.windows.events(), &WindowEvents::gamesChanged);
    click(w, "addButton");
    EXPECT_EQ(added.size(), 1);
    EXPECT_EQ(t.catalogue.count(), 2);
    EXPECT_EQ(t.catalogue.count("titolo = ?", {"Elite"}), 0);
    EXPECT_FALSE(isOpen(*t.ctx, WindowKey::FolderScan));
}

} // namespace
