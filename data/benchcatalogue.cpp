#include "benchcatalogue.h"

#include "cataloguewriter.h"
#include "gamegenerator.h"

#include <QFileInfo>

bool writeBenchCatalogue(const QString &path, int games, quint32 seed, QString *error)
{
    if (games < 0) {
        if (error)
            *error = QStringLiteral("the number of games cannot be negative");
        return false;
    }
    sampledata::GameGenerator generator(seed, QFileInfo(path).absolutePath());
    sampledata::CatalogueWriter writer(path);
    if (!writer.begin(error) || !writer.addConfig(generator.configuration(), error))
        return false;
    for (int i = 0; i < games; ++i) {
        if (!writer.addGame(generator.next(), error))
            return false;
    }
    return writer.finish(error);
}
