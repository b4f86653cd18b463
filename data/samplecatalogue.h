#pragma once

#include <QString>
#include <QStringList>

namespace sampledata
{

// The folders of the sample files below <folder>/sample, in the order of the
// configuration record's columns game64, music64, screen64, gameamiga, musicamiga,
// screenamiga.
const QStringList &sampleFolders();

// Writes the sample catalogue <folder>/commodore.mdb and its game, music and screenshot
// files below <folder>/sample. The files are written first and the catalogue last, under
// a temporary name that is renamed into place, so an interrupted run leaves no catalogue
// that points at missing files.
bool writeSampleCatalogue(const QString &folder, QString *error);

} // namespace sampledata
