#pragma once

#include "gameentry.h"
#include "progress.h"

#include <QCoreApplication>
#include <QList>
#include <QSet>
#include <QString>

struct SkippedFile {
    QString path;
    QString reason;
};

struct ScanReport {
    QList<GameEntry> games; // by title
    QList<SkippedFile> skipped;
    bool cancelled = false;

    static int diskCount(const GameEntry &entry);
};

// Turns a folder of disk images into games: every image or archive of images below it is
// identified by its extension and content, named by its file name, and the disks of one
// set become one game, ordered by disk number and side. Pictures and tunes anywhere below
// the folder go to the game of the same title. Nothing a game of the catalogue already
// refers to is taken again, so a second scan finds nothing new.
class FolderScanner
{
    Q_DECLARE_TR_FUNCTIONS(FolderScanner)

public:
    FolderScanner(QString folder, QSet<QString> referenced);

    ScanReport scan(Progress &progress) const;

private:
    struct Disk;
    struct Files;

    Files walk() const;
    bool identify(const QString &path, qint64 size, Disk *disk, ScanReport *report) const;
    QList<GameEntry> group(QList<Disk> disks) const;
    void attachMedia(QList<GameEntry> &games, const Files &files) const;

    QString m_folder;
    QSet<QString> m_referenced;
};
