// The private folder for the files handed to started programs: which folder it takes, what
// it refuses, and how its files take their names.
#include "runtimefolder.h"
#include "widgettest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// The type and mode bits of path itself, a link not followed; 0 when there is nothing.
uint lmode(const QString &path)
{
    struct stat st {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

} // namespace

TEST(RuntimeFolder, TakesOnlyAFolderOfTheUsersOwnElseMakesOneForTheStart)
{
    const uint me = ::geteuid();
    const QString mine = QString("tmp/vantrel-%1").arg(me);
    using Plant = std::function<void(const QDir &)>;
    const Plant none = [](const QDir &) {};
    const struct {
        const char *name;
        Plant plant;
        bool session; // the session has a runtime folder
        uint user;
        QString at; // the folder taken, under the root; empty: a fresh one in tmp
    } cases[] = {
        {"the session's", none, true, me, "run/vantrel"},
        {"no session", none, false, me, mine},
        {"a session folder that is gone", [](const QDir &r) { r.rmdir("run"); }, true, me, mine},
        {"a link",
         [](const QDir &r) { QFile::link(r.filePath("away"), r.filePath("run/vantrel")); }, true,
         me, mine},
        {"a plain file", [](const QDir &r) { writeFile(r.filePath("run/vantrel")); }, true, me,
         mine},
        {"a folder others can read",
         [](const QDir &r) { r.mkdir("run/vantrel", kOwnerOnly | QFile::ReadOther); }, true, me,
         mine},
        {"folders of another user", none, true, me + 1, QString()},
        {"a link in the temporary folder",
         [&](const QDir &r) { QFile::link(r.filePath("away"), r.filePath(mine)); }, false, me,
         QString()},
    };
    for (const auto &c : cases) {
        QTemporaryDir temp;
        const QDir root(temp.path());
        ASSERT_TRUE(root.mkdir("run", kOwnerOnly));
        ASSERT_TRUE(root.mkdir("tmp"));
        ASSERT_TRUE(root.mkdir("away"));
        c.plant(root);
        const auto take = [&] {
            return RuntimeFolder(c.session ? root.filePath("run") : QString(), root.filePath("tmp"),
                                 c.user);
        };
        const RuntimeFolder folder = take();
        const QString path = folder.path();
        EXPECT_EQ(lmode(path), S_IFDIR | 0700u) << c.name;
        if (c.at.isEmpty()) {
            EXPECT_EQ(QFileInfo(path).path(), root.filePath("tmp")) << c.name;
            EXPECT_NE(path, root.filePath(mine)) << c.name;
        } else {
            EXPECT_EQ(path, root.filePath(c.at)) << c.name;
        }
        // A folder of the user's is taken again; someone else's makes way for a new one.
        EXPECT_EQ(take().path() == path, !c.at.isEmpty()) << c.name;
        EXPECT_TRUE(QDir(root.filePath("away")).isEmpty()) << c.name;
    }
}

// A file is made under a name of its own and takes its name only when placed: whatever held
// the name is replaced, a link included, and its target is never written.
TEST(RuntimeFolder, APlacedFileReplacesWhatHeldTheNameAndFollowsNoLink)
{
    QTemporaryDir temp;
    const RuntimeFolder folder(QString(), temp.path(), ::geteuid());
    ASSERT_TRUE(folder.isValid()) << folder.error().toStdString();
    const QString victim = writeFile(temp.filePath("victim"), "mine");
    ASSERT_TRUE(QFile::link(victim, folder.filePath("link.cfg")));
    writeFile(folder.filePath("old.cfg"), "old");
    ASSERT_TRUE(QDir(folder.path()).mkdir("dir.cfg"));
    const std::pair<const char *, bool> cases[] = {
        {"link.cfg", true}, {"old.cfg", true}, {"new.cfg", true}, {"dir.cfg", false}};
    for (const auto &[name, placed] : cases) {
        const auto file = folder.newFile();
        ASSERT_TRUE(file.ok()) << file.error().toStdString();
        EXPECT_EQ(lmode((*file)->fileName()), S_IFREG | 0600u) << name;
        (*file)->write("new");
        const Outcome done = folder.place(**file, name);
        EXPECT_EQ(done.ok(), placed) << name;
        EXPECT_EQ(done.error().isEmpty(), placed) << name << ": " << done.error().toStdString();
        EXPECT_EQ(lmode(folder.filePath(name)) & S_IFMT, placed ? S_IFREG : S_IFDIR) << name;
        EXPECT_EQ(readFile(folder.filePath(name)), placed ? "new" : "") << name;
    }
    EXPECT_EQ(readFile(victim), "mine");
    (*folder.newFile())->write("dropped"); // a file never placed goes with its object
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(folder.path()).entryList(all),
              (QStringList{"dir.cfg", "link.cfg", "new.cfg", "old.cfg"}));
}
