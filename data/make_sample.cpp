// Writes the sample catalogue and its files into the given folder (the build's bin folder).
#include "samplecatalogue.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // The pictures are drawn into images with the project's own pixel font, so no screen
    // or font system is needed: build machines may have neither.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || args[1].startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: make_sample FOLDER\n"
                             "Writes FOLDER/commodore.mdb and the sample files below "
                             "FOLDER/sample.\n");
        return 2;
    }
    QString error;
    if (!sampledata::writeSampleCatalogue(args[1], &error)) {
        std::fprintf(stderr, "make_sample: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
