// A transfer in a process of its own, for the test that kills it part way: merges every
// game of the export file (second argument) into the catalogue (first argument) in
// batches of 20, printing each committed game and pausing after each batch.
#include "database.h"
#include "transfer.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: transferchild CATALOGUE EXPORT\n");
        return 2;
    }
    QString why;
    auto local = catalogue::Connection::open(QString::fromLocal8Bit(argv[1]), &why);
    auto source = local ? catalogue::Connection::open(QString::fromLocal8Bit(argv[2]), &why,
                                                      catalogue::Connection::Mode::ReadOnly)
                        : nullptr;
    if (!source) {
        std::fprintf(stderr, "transferchild: %s\n", qPrintable(why));
        return 1;
    }
    merrow::Transfer transfer(local->db(), source->db());
    transfer.setBatchSize(20);
    transfer.onLog = [](const QString &line, const merrow::TransferResult &) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    };
    transfer.onProgress = [](int, int) { QThread::msleep(30); };
    return transfer.run(merrow::TransferMode::All).ok ? 0 : 1;
}
