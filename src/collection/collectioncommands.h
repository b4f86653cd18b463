#pragma once

#include <QString>

class QIODevice;

// The headless commands that bring a collection in and keep it whole. Each prints its
// report to out and its failures to err, and returns the exit code: 0 when the run worked
// (also with files still missing), 2 for a folder that cannot be read or a catalogue that
// cannot be opened.
namespace collection
{

// Adds the games of a folder: a line per game ("added" or, in a dry run, "would add"; the
// id, title, machine and number of disks), a line per skipped file, then a summary.
int scanFolder(const QString &catalogue, const QString &folder, bool dryRun, QIODevice &out,
               QIODevice &err);

// Relinks lost paths: a line per change (id, what it is, old path, new path), then the
// counts. from and to map an old beginning to a new folder; search names a folder to look
// in by name. Either may be empty, not both.
int relink(const QString &catalogue, const QString &from, const QString &to, const QString &search,
           bool dryRun, QIODevice &out, QIODevice &err);

// One line per missing file: id, what it is, path.
int listMissing(const QString &catalogue, QIODevice &out, QIODevice &err);

} // namespace collection
