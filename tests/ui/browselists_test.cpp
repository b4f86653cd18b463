#include "browselists.h"
#include "browsingpane.h"
#include "fakedialogs.h"
#include "widgettest.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

static constexpr auto native = &QDir::toNativeSeparators;

TEST(BrowseLists, JoinPathKeepsOneSeparator)
{
    EXPECT_EQ(joinPath(native("/games"), "zork.d64"), native("/games/zork.d64"));
    EXPECT_EQ(joinPath("/", "zork.d64"), "/zork.d64");
    EXPECT_EQ(joinPath("C:\\", "zork.d64"), "C:\\zork.d64");
}

// A folder that is missing, a file or gone before it is opened leaves the list where it was;
// every browsing window says the same about a drive or folder it cannot open.
TEST(BrowseLists, UnreadableFoldersLeaveTheListAndAreReportedInOneWording)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    DriveListBox drive;
    DirListBox list;
    FakeDialogs dialogs;
    reportUnreadable(dialogs, &drive, &list);
    ASSERT_TRUE(list.setPath(dir.path()));
    EXPECT_EQ(list.path(), native(dir.path()));
    EXPECT_FALSE(list.setPath(dir.filePath("missing")));
    EXPECT_FALSE(list.setPath(writeFile(dir.filePath("file.txt")))) << "a file is no folder";
    EXPECT_EQ(list.path(), native(dir.path()));
    QListWidgetItem *gone = list.findItems("gone", Qt::MatchEndsWith).value(0);
    ASSERT_TRUE(gone);
    ASSERT_TRUE(QDir(dir.path()).rmdir("gone"));
    Q_EMIT list.itemActivated(gone);
    EXPECT_EQ(list.path(), native(dir.path()));
    reportUnreadable(dialogs, QString());
    ASSERT_EQ(dialogs.shown.size(), 4);
    EXPECT_EQ(dialogs.shown.at(0).kind, FakeDialogs::Shown::Beep);
    EXPECT_EQ(dialogs.shown.at(1).text, native(dir.filePath("gone")) + " cannot be read.");
    EXPECT_EQ(dialogs.shown.at(1).icon, Dialogs::Icon::Critical);
    EXPECT_EQ(dialogs.shown.at(1).title, "Error");
    EXPECT_EQ(dialogs.shown.at(3).text, "No drive or folder is chosen.");

    FileListBox files;
    ASSERT_TRUE(files.setPath(dir.path()));
    ASSERT_EQ(files.count(), 1) << "folders are not listed as files";
    files.setCurrentRow(0);
    EXPECT_EQ(files.fileName(), "file.txt");
    EXPECT_EQ(files.selectedFilePath(), native(dir.filePath("file.txt")));
}

TEST(BrowsingPane, ATypedFolderOpensAndABadOneIsReportedAndLeft)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    FakeDialogs dialogs;
    BrowsingPane pane(dialogs, BrowsingPane::Files::Shown);
    QSignalSpy changed(&pane, &BrowsingPane::folderChanged);
    ASSERT_TRUE(pane.openAt(dir.path()));
    auto *edit = pane.findChild<QLineEdit *>("folderEdit");
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), native(dir.path()));
    edit->setText(dir.filePath("sub"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(pane.folder(), native(dir.filePath("sub")));
    EXPECT_EQ(changed.size(), 1);
    edit->setText(dir.filePath("missing"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(pane.folder(), native(dir.filePath("sub")));
    EXPECT_EQ(edit->text(), native(dir.filePath("sub")));
    EXPECT_EQ(dialogs.messages(),
              QStringList{native(dir.filePath("missing")) + " cannot be read."});
}
