#include "database.h"
#include "paths.h"
#include "testcatalogue.h"
#include "widgettest.h"
#include "workfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <latch>
#include <thread>
#include <vector>

namespace
{

const char *const kPathColumns[] = {"emul1", "df1", "df2", "df3", "song", "screen1", "screen2"};
const char *const kFolderColumns[] = {"game64",    "music64",    "screen64",
                                      "gameamiga", "musicamiga", "screenamiga"};

// A sample catalogue as the build writes it: the configuration's folders and every file of
// one game below <dir>/sample, and one game whose file lies elsewhere; dir for the program.
class SeededPaths : public ::testing::Test
{
protected:
    TestCatalogue sample;
    QTemporaryDir dir;
    int game = 0;
    int outside = 0;
    QString outsidePath;

    SeededPaths()
    {
        const QString root = sample.dir() + "/sample/";
        QVariantMap config;
        for (const char *column : kFolderColumns) {
            QDir().mkpath(root + column);
            config[column] = QDir::toNativeSeparators(root + column + "/");
        }
        sample.setConfig(config);
        QVariantMap files;
        for (const char *column : kPathColumns)
            files[column] = writeFile(root + "game64/" + column + ".bin");
        game = sample.addGame(files);
        outsidePath = writeFile(sample.dir() + "/elsewhere/own.d64");
        outside = sample.addGame({{"emul1", outsidePath}});
    }
};

LocationRequest request(const QTemporaryDir &dir, const QString &sample)
{
    return {QString(), dir.filePath("bin"), dir.filePath("data"),
            sample,    dir.path(),          dir.filePath("share")};
}

QString stored(const QString &catalogue, const QString &sql, const QVariantList &params = {})
{
    const auto connection = catalogue::Connection::open(catalogue);
    EXPECT_TRUE(connection.ok()) << connection.error().toStdString();
    if (!connection)
        return {};
    const auto record = catalogue::fetchOne((*connection)->db(), sql, params);
    return record.valueOr({}).value_or(QSqlRecord()).value(0).toString();
}

} // namespace

TEST_F(SeededPaths, LocationRuleAndSeeding)
{
    LocationRequest r = request(dir, sample.path());
    const QString data = dir.filePath("data");
    // Nothing beside the program: the data folder, seeded from the sample, whose files are
    // copied and pointed at; a file elsewhere is left where it is.
    Paths p = resolvePaths(r).paths;
    const QString copy = QDir::toNativeSeparators(dir.filePath("data/sample")) + QDir::separator();
    for (const char *column : kPathColumns) {
        const QString path =
            stored(p.catalogue, QStringLiteral("select %1 from tabella1 where id = ?").arg(column),
                   {game});
        EXPECT_TRUE(path.startsWith(copy)) << column << ": " << path.toStdString();
        EXPECT_TRUE(QFileInfo(path).isFile()) << column << ": " << path.toStdString();
    }
    for (const char *column : kFolderColumns) {
        const QString path =
            stored(p.catalogue, QStringLiteral("select %1 from tabella2").arg(column));
        EXPECT_TRUE(path.startsWith(copy)) << column << ": " << path.toStdString();
        EXPECT_TRUE(QFileInfo(path).isDir()) << column << ": " << path.toStdString();
    }
    EXPECT_EQ(stored(p.catalogue, "select emul1 from tabella1 where id = ?", {outside}),
              outsidePath);
    EXPECT_EQ(p.stateFile, QDir(data).filePath("Vantrel.ini"));
    EXPECT_EQ(p.sharedFolder(), dir.filePath("share"));
    EXPECT_EQ((Paths{"/opt/bin", {}, {}, {}}.sharedFolder()), "/opt/bin"); // sharedDir unset

    // A seeded catalogue is never overwritten by the sample again.
    writeFile(p.catalogue, "mine");
    EXPECT_TRUE(resolvePaths(r).seeding.ok());
    EXPECT_EQ(readFile(p.catalogue), "mine");

    // Portable: beside the executable wins.
    const QString beside = writeFile(dir.filePath("bin/commodore.mdb"));
    EXPECT_EQ(resolvePaths(r).paths.catalogue, beside);

    // --catalogue wins over everything.
    r.cataloguePath = dir.filePath("elsewhere/my.mdb");
    p = resolvePaths(r).paths;
    EXPECT_EQ(p.catalogue, dir.filePath("elsewhere/my.mdb"));
    EXPECT_EQ(p.stateFile, dir.filePath("elsewhere/Vantrel.ini"));
}

TEST_F(SeededPaths, FailedSeedingNamesTheDataFolderAndLeavesNoCatalogue)
{
    const QString damaged = writeFile(dir.filePath("damaged/commodore.mdb"), "not a catalogue");
    writeFile(dir.filePath("damaged/sample/c64-games/a.d64"));
    writeFile(dir.filePath("blocked"));
    const struct {
        const char *what;
        QString sample;
        QString data;
    } cases[] = {
        {"missing sample", dir.filePath("none/commodore.mdb"), dir.filePath("data1")},
        {"damaged sample", damaged, dir.filePath("data2")},
        {"data folder cannot be made", sample.path(), dir.filePath("blocked/data")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        LocationRequest r = request(dir, c.sample);
        r.dataDir = c.data;
        const auto [p, seeding] = resolvePaths(r);
        EXPECT_TRUE(seeding.error().contains(QDir::toNativeSeparators(c.data)))
            << seeding.error().toStdString();
        EXPECT_FALSE(QFile::exists(p.catalogue));
        EXPECT_EQ(QDir(c.data).entryList(QDir::Files), QStringList());
    }
}

TEST_F(SeededPaths, FirstRunsAtOnceAllUseTheOneSeededCatalogue)
{
    constexpr int kRuns = 4;
    std::latch start(kRuns);
    QString errors[kRuns];
    QString catalogues[kRuns];
    {
        std::vector<std::jthread> runs;
        for (int i = 0; i < kRuns; ++i)
            runs.emplace_back([&, i] {
                start.arrive_and_wait();
                const auto [paths, seeding] = resolvePaths(request(dir, sample.path()));
                errors[i] = seeding.error();
                catalogues[i] = paths.catalogue;
            });
    }
    const QString data = dir.filePath("data");
    for (int i = 0; i < kRuns; ++i) {
        EXPECT_TRUE(errors[i].isEmpty()) << errors[i].toStdString();
        EXPECT_EQ(catalogues[i], QDir(data).filePath("commodore.mdb")) << i;
    }
    EXPECT_EQ(catalogue::checkCatalogue(catalogues[0]).error(), QString());
    EXPECT_EQ(QDir(data).entryList(QDir::Files), QStringList{"commodore.mdb"});
    EXPECT_EQ(QDir(data + "/sample/game64").entryList(QDir::Files).size(), 7);
}

// The XDG rules: a relative path in XDG_DATA_HOME is ignored. Neither folder may ever be the
// current one.
TEST(Paths, RelativeOrMissingFoldersFromTheEnvironmentFallBackToTheDefaults)
{
    const QString previousFolder = QDir::currentPath();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("relative")));
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QByteArray variables[] = {"TMPDIR", "XDG_DATA_HOME"};
    const QByteArray saved[] = {qgetenv(variables[0]), qgetenv(variables[1])};
    for (const QByteArray &variable : variables)
        qunsetenv(variable);
    const LocationRequest defaults = defaultLocationRequest({});
    const struct {
        int variable;
        QString value;
        QString LocationRequest::*folder;
        QString expected;
    } cases[] = {
        {0, dir.filePath("missing"), &LocationRequest::tempDir, defaults.tempDir},
        {0, "relative", &LocationRequest::tempDir, defaults.tempDir},
        {0, dir.path(), &LocationRequest::tempDir, dir.path()},
        {1, "relative", &LocationRequest::dataDir, defaults.dataDir},
        {1, dir.path(), &LocationRequest::dataDir,
         QDir(dir.path()).filePath(QCoreApplication::applicationName())},
    };
    EXPECT_TRUE(QDir::isAbsolutePath(defaults.tempDir)) << defaults.tempDir.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(defaults.dataDir)) << defaults.dataDir.toStdString();
    for (const auto &c : cases) {
        qputenv(variables[c.variable], QFile::encodeName(c.value));
        EXPECT_EQ(defaultLocationRequest({}).*c.folder, c.expected)
            << variables[c.variable].constData() << "=" << c.value.toStdString();
        qunsetenv(variables[c.variable]);
    }
    for (const QString &base : {QString(), QStringLiteral("relative")}) {
        const WorkFolder work(base);
        EXPECT_FALSE(work.isValid());
        EXPECT_TRUE(work.error().contains("no absolute path")) << work.error().toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"relative"});
    for (int i = 0; i < 2; ++i)
        if (!saved[i].isNull())
            qputenv(variables[i], saved[i]);
    QDir::setCurrent(previousFolder);
}
