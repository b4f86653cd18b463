// A slow transfer, printing each committed game, for a test that kills it part way.
#include "database.h"
#include "progress.h"
#include "transfer.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

namespace
{

class PrintingProgress final : public Progress
{
public:
    void setTotal(qint64) override {}
    void setDone(qint64) override { QThread::msleep(30); }
    void note(const QString &line) override
    {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    }
    bool isCancelled() const override { return false; }
};

} // namespace

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
    PrintingProgress progress;
    return transfer.run(progress, merrow::TransferMode::All).ok() ? 0 : 1;
}
