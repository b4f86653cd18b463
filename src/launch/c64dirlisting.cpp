#include "c64dirlisting.h"

#include "archiveimages.h"
#include "archivelisting.h"
#include "escaping.h"

#include <QStringConverter>
#include <QTextStream>

#include <cstdio>

namespace
{

// An entry line is "name<TAB>blocks<TAB>type": the tabs are the reader's, the name is the
// image's own bytes.
QString escapedEntry(const QString &line)
{
    if (line.count(QLatin1Char('\t')) < 2)
        return escapeControls(line);
    return escapeControls(line.section(QLatin1Char('\t'), 0, -3)) + QLatin1Char('\t') +
           line.section(QLatin1Char('\t'), -2);
}

} // namespace

int runDirListing(const QString &image, QTextStream &out, QTextStream &err)
{
    if (image.isEmpty()) {
        err << "vantrel: --dir needs the path of a D64 or T64 image\n";
        return 1;
    }
    const bool archive = isArchiveFile(unquotePath(image));
    if (!archive && c64ImageKind(image) == C64ImageKind::None) {
        err << "vantrel: " << escapeControls(image)
            << " is not a D64 or T64 image (the name must end in .D64, .d64, .T64 or .t64)\n";
        return 1;
    }
    const Result<ImageListing> read = readC64GameFile(image);
    if (!read) {
        err << "vantrel: cannot read " << read.error() << '\n';
        return 1;
    }
    const ImageListing &listing = *read;
    // Names on a disk image are anybody's bytes: no control character reaches the terminal.
    out << escapeControls(listing.name) << '\n'
        << escapeControls(listing.id) << '\n'
        << escapeControls(listing.freeText) << '\n';
    for (const QString &line : listing.lines)
        out << escapedEntry(line) << '\n';
    out.flush();
    if (!listing.corrupted)
        return 0;
    err << kCorruptedText << '\n' << kCorruptedAdvice << '\n';
    return 2;
}

int runDirListing(const QString &image)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    return runDirListing(image, out, err);
}
