// A slow transfer, printing each committed game, for a test that kills it part way.
#include "database.h"
#include "transfer.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments(); // the catalogue, then the export file
    const auto local = catalogue::Connection::open(args.value(1));
    const auto source =
        catalogue::Connection::open(args.value(2), catalogue::Connection::Mode::ReadOnly);
    if (!local || !source)
        return 2;
    merrow::Transfer transfer((*local)->db(), (*source)->db());
    transfer.setBatchSize(20);
    transfer.onLog = [](const QString &line, const merrow::TransferResult &) {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    };
    transfer.onProgress = [](int, int) { QThread::msleep(30); };
    return transfer.run(merrow::TransferMode::All).ok ? 0 : 1;
}
