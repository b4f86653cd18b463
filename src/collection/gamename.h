#pragma once

#include <QString>
#include <QStringList>

// What a disk image's file name says about its game. Names follow the TOSEC convention,
// "Title (Year)(Publisher)(Disk N of M)(Side A)(other tags)[flags]", or are plain:
// "Title", "Title - Disk 2", "Title_Disk2".
struct GameName {
    QString title;     // "The Great Escape"; no tags, flags or disk words
    QString year;      // four digits, or empty when unknown
    QString publisher; // empty when unknown
    int disk = 0;      // 0: no disk number
    int diskCount = 0; // 0: not given
    QString side;      // "A", "B", ... or empty
    QStringList tags;  // the other parenthesised tags, as written
    QStringList flags; // the bracketed flags, as written

    // name: the file name without its extension.
    static GameName parse(const QString &name);

    // The machine for an image extension and the tags: "C64", "C128", "Amiga",
    // "Amiga 1.3", "Amiga 2.x", "Amiga 3.x"; empty for an extension of neither.
    QString machine(const QString &extension) const;

    // What the disks of one set share: everything but the disk number and side.
    QString setKey() const;

    // A title as pictures and tunes are matched to it: case, accents, punctuation and
    // spaces do not count.
    static QString matchKey(const QString &title);
};
