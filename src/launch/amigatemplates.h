#pragma once

#include "amigaformat.h"

#include <QString>
#include <QStringList>

// The folders outside the executable's own that may hold templates.
struct AmigaTemplatePlaces {
    QString home;       // the user's home folder
    QString documents;  // the user's documents folder
    QString configHome; // $XDG_CONFIG_HOME or ~/.config
    QString sharedData; // the program's shared data folder (sharedDataFolder)
};

// The places of the running program and user.
AmigaTemplatePlaces defaultTemplatePlaces(const QString &programDir);

// Where a program's templates may lie, first choice first: beside the executable (WinFellow)
// or in "configurations" beside it (the WinUAE slot); the emulator's own per-user folder
// (FS-UAE's "Configurations" under its base folder, Amiberry's "conf"); the program's own
// templates ("templates" in the shared data folder).
QStringList amigaTemplateFolders(AmigaProgram program, const QString &executable,
                                 const AmigaTemplatePlaces &places);

// The first of those folders that holds a template of the program's format; empty when none.
QString findAmigaTemplateFolder(AmigaProgram program, const QString &executable,
                                const AmigaTemplatePlaces &places);

// The templates of a format in a folder, in the order of the players' template list.
QStringList amigaTemplateNames(const QString &folder, AmigaFormat format);
