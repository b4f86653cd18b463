// Writes a generated catalogue for the benchmarks: make_catalogue N PATH [SEED].
#include "benchcatalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool countOk = false;
    bool seedOk = true;
    const int games = args.size() >= 3 ? args[1].toInt(&countOk) : 0;
    const quint32 seed = args.size() == 4 ? args[3].toUInt(&seedOk) : 1;
    if (args.size() < 3 || args.size() > 4 || !countOk || games < 0 || !seedOk) {
        std::fprintf(stderr, "usage: make_catalogue N PATH [SEED]\n"
                             "Writes a catalogue of N generated games to PATH (replacing it).\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!writeBenchCatalogue(args[2], games, seed, &error)) {
        std::fprintf(stderr, "make_catalogue: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%d games written to %s in %lld ms\n", games, qPrintable(args[2]),
                static_cast<long long>(timer.elapsed()));
    return 0;
}
