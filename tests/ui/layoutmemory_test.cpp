#include "layoutmemory.h"

#include <QHeaderView>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidget>

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
    }
};

class LayoutMemoryTest : public testing::Test
{
protected:
    void TearDown() override { LayoutMemory::setFile(QString()); }

    // Shows a window, changes its size, splitter and first column, hides it, and shows a
    // fresh one.
    std::unique_ptr<Window> reopen()
    {
        Window first;
        first.window->show();
        first.window->resize(520, 360);
        first.splitter->setSizes({300, 200});
        m_splitterSizes = first.splitter->sizes();
        first.view->header()->resizeSection(0, 77);
        first.window->hide();
        auto second = std::make_unique<Window>();
        second->window->show();
        return second;
    }

    QList<int> m_splitterSizes; // as the first window's splitter laid them out
};

TEST_F(LayoutMemoryTest, AWindowGetsItsSizeSplitterAndColumnsBack)
{
    QTemporaryDir dir;
    LayoutMemory::setFile(dir.filePath(QStringLiteral("layout.ini")));
    const auto again = reopen();
    EXPECT_EQ(again->window->size(), QSize(520, 360));
    EXPECT_EQ(again->splitter->sizes(), m_splitterSizes);
    EXPECT_EQ(again->view->header()->sectionSize(0), 77);
}

TEST_F(LayoutMemoryTest, WithoutAFileNothingIsKept)
{
    const auto again = reopen();
    EXPECT_EQ(again->window->size(), QSize(400, 300));
    EXPECT_NE(again->splitter->sizes(), m_splitterSizes);
    EXPECT_NE(again->view->header()->sectionSize(0), 77);
}

} // namespace
