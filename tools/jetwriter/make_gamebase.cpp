// Writes a GameBase-shaped Jet 4 file of invented games, for tests and benchmarks:
//     make_gamebase OUT GAMES [VERSION [RELEASE]]
#include "gamebasetables.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 5) {
        std::fputs("usage: make_gamebase OUT GAMES [2.5|2.8 [RELEASE]]\n", stderr);
        return 2;
    }
    GameBaseOptions options;
    options.games = args[2].toInt();
    options.version = args.value(3, options.version);
    options.release = args.value(4, QStringLiteral("1")).toInt();
    if (writeGameBase(args[1], options).bytes.isEmpty()) {
        std::fprintf(stderr, "make_gamebase: %s cannot be written\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
