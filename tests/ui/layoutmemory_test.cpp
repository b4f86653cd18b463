#include "layoutmemory.h"

#include <QHeaderView>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace
{

// A window with a named splitter holding a named tree view of three columns.
struct Window {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QSplitter *splitter = new QSplitter(window.get());
    QTreeView *view = new QTreeView;
    QStandardItemModel model{1, 3};

    Window()
    {
        window->setObjectName(QStringLiteral("testWindow"));
        splitter->setObjectName(QStringLiteral("testSplitter"));
        view->setObjectName(QStringLiteral("testView"));
        view->setModel(&model);
        splitter->addWidget(view);
        splitter->addWidget(new QWidget);
        (new QVBoxLayout(window.get()))->addWidget(splitter);
        window->resize(400, 300);
        LayoutMemory::watch(window.get());
        window->show();
    }
};

// With a file a window gets its size, splitter and columns back; without one, nothing is kept.
TEST(LayoutMemory, AWindowGetsItsLayoutBackOnlyWhenTheProgramNamesAFile)
{
    QTemporaryDir dir;
    for (const bool kept : {true, false}) {
        LayoutMemory::setFile(kept ? dir.filePath(QStringLiteral("layout%1.ini").arg(kept))
                                   : QString());
        QList<int> sizes;
        {
            Window first;
            first.window->resize(520, 360);
            first.splitter->setSizes({300, 200});
            sizes = first.splitter->sizes();
            first.view->header()->resizeSection(0, 77);
            first.window->hide();
        }
        const Window again;
        EXPECT_EQ(again.window->size() == QSize(520, 360), kept);
        EXPECT_EQ(again.splitter->sizes() == sizes, kept);
        EXPECT_EQ(again.view->header()->sectionSize(0) == 77, kept);
    }
    LayoutMemory::setFile(QString());
}

} // namespace
