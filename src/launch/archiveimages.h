#pragma once

#include "imagekind.h"
#include "result.h"

#include <QList>
#include <QString>

class RuntimeFolder;

// Game files kept zipped (.zip, .gz, .adz): the images they hold, and the one an emulator
// gets, taken out into the user's private folder. Entry names are read for their
// extension only; ArchiveFile bounds every read.

// By the name's extension, in any case.
bool isArchiveFile(const QString &path);

struct ArchiveImage {
    int index = -1; // the entry's index in the archive
    QString name;   // the entry's name, to show only
    ImageKind kind = ImageKind::D64;
};

// The images inside, in the archive's order; other entries are left out. A damaged or
// hostile archive, or one without an image, fails with a message naming the file.
Result<QList<ArchiveImage>> archiveImages(const QString &path);
// The position in images of the one a set names (its folders and letter case aside), or -1.
qsizetype findArchiveImage(const QList<ArchiveImage> &images, const QString &name);
// The first of the images whose kind the predicate takes.
Result<ArchiveImage> firstArchiveImage(const QString &path, bool (*wanted)(ImageKind));

// The path an emulator gets for a disk: a plain file as it is; for an archive its image
// at entry index (the first image when index is -1), taken out into the folder under a
// name of the archive's path: same-named archives of different folders never meet there,
// and the same archive always gets the same name.
Result<QString> playablePath(const QString &path, int index, const RuntimeFolder &folder);
