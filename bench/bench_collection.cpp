// The folder scan on a generated collection of 20,000 files, against the time `find DIR
// -type f` takes to list the same tree (the counter vs_find; the target is at most 10).
#include "benchmain.h"
#include "folderscanner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

// Sparse images under TOSEC names in sets of one to four disks, 200 folders, with a
// picture for every tenth game: only the first bytes are ever read.
class Collection
{
public:
    static constexpr int kFiles = 20000;

    Collection()
    {
        for (int i = 0; i < kFiles; ++i) {
            const QString folder = m_dir.filePath(QStringLiteral("set%1").arg(i % 200));
            if (i < 200)
                QDir().mkpath(folder);
            const int game = i / 4;
            const bool amiga = game % 3 == 0;
            const QString name =
                i % 10 == 9 ? QStringLiteral("Game %1 (1990)(Maker).png").arg(game)
                            : QStringLiteral("Game %1 (1990)(Maker)(Disk %2 of 4).%3")
                                  .arg(game)
                                  .arg(i % 4 + 1)
                                  .arg(amiga ? QStringLiteral("adf") : QStringLiteral("d64"));
            QFile file(folder + u'/' + name);
            if (file.open(QIODevice::WriteOnly))
                file.resize(name.endsWith(QLatin1String("png")) ? 100 : amiga ? 901120 : 174848);
        }
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

double findSeconds(const QString &folder)
{
    QElapsedTimer timer;
    timer.start();
    QProcess find;
    find.start(QStringLiteral("find"), {folder, QStringLiteral("-type"), QStringLiteral("f")});
    find.waitForFinished(-1);
    find.readAllStandardOutput();
    return double(timer.nsecsElapsed()) / 1e9;
}

void BM_ScanFolder(benchmark::State &state)
{
    static const Collection collection;
    double scanned = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const ScanReport report = FolderScanner(collection.path(), {}).scan(Progress::none());
        scanned += double(timer.nsecsElapsed()) / 1e9;
        if (report.games.isEmpty())
            return state.SkipWithError("the scan found no games");
    }
    double listed = 0;
    for (qint64 i = 0; i < state.iterations(); ++i)
        listed += findSeconds(collection.path());
    state.counters["vs_find"] = scanned / listed;
}
BENCHMARK(BM_ScanFolder)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    runBenchmarks(argc, argv);
    return 0;
}
