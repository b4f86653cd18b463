#pragma once

#include <QString>

class QTextStream;

// `vantrel --dir IMAGE`: the directory of a D64 or T64 image as the players show it; for
// an archive (.zip, .gz), of the first D64 or T64 inside.
// Prints the name, the ID and the free-blocks line, then every list line. Returns 0;
// 2 after a corrupted directory (the lines read before it are printed, the warning goes
// to err); 1 when the file is not an image by its extension or cannot be read.
int runDirListing(const QString &image, QTextStream &out, QTextStream &err);
// The same on stdout and stderr, as UTF-8.
int runDirListing(const QString &image);
