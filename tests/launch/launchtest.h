#pragma once

#include "browselists.h"
#include "cataloguestore.h"
#include "d64writer.h"
#include "t64writer.h"
#include "widgettest.h"
#include "windowrequests.h"

#include <QProcess>

// Stands in for the association editor and keeps the request it was opened with.
struct AssociationSpy : QWidget, RequestTaker<AssociationRequest> {
    bool takeRequest(const AssociationRequest &r) override { return taken = r, true; }
    AssociationRequest taken;
};

// A configuration and a game with the given values, the rest unset.
inline Configuration configWith(std::initializer_list<std::pair<Configuration::Path, QString>> set)
{
    Configuration c;
    for (const auto &[path, value] : set)
        c.value(path) = value;
    return c;
}
inline Game gameWith(std::initializer_list<std::pair<Game::Field, QString>> set)
{
    Game g;
    for (const auto &[field, value] : set)
        g.value(field) = value;
    return g;
}

// A zip of the named contents, written by Python's zipfile as a collector's tool would; the
// contents lie beside it as <path>.<n>.
inline QString writeZip(const QString &path, const QList<std::pair<QString, QByteArray>> &entries)
{
    QStringList arguments{"-c",
                          "import sys,zipfile\nz=zipfile.ZipFile(sys.argv[1],'w')\n"
                          "for i in range(2,len(sys.argv),2): z.write(sys.argv[i+1],sys.argv[i])",
                          path};
    for (qsizetype i = 0; i < entries.size(); ++i)
        arguments << entries[i].first
                  << writeFile(path + "." + QString::number(i), entries[i].second);
    EXPECT_EQ(QProcess::execute("python3", arguments), 0);
    return path;
}

// Picks a file of a window's browsing pane as a click, or a double click, does.
inline void pickFile(QWidget *window, const QString &name, bool twice = false)
{
    auto *files = control<FileListBox>(window, "fileList");
    const auto items = files->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    files->setCurrentItem(items.first());
    if (twice)
        Q_EMIT files->itemDoubleClicked(items.first());
}

// Images made by the sample data writers, plus the offsets the tests patch.
namespace c64img
{

using sampledata::ImageFile;
// Directory sectors in the order the writer chains them (interleave 3 on track 18).
constexpr int kDirOrder[18] = {1, 4, 7, 10, 13, 16, 2, 5, 8, 11, 14, 17, 3, 6, 9, 12, 15, 18};
constexpr int kTapeSlot = sampledata::kT64HeaderSize;

inline int dirSector(int s)
{
    return sampledata::d64Offset(sampledata::kD64DirectoryTrack, 0) + 256 * s;
}
inline void link(QByteArray &image, int sector, int track, int next)
{
    image[dirSector(sector)] = char(track);
    image[dirSector(sector) + 1] = char(next);
}
inline QByteArray checked(const sampledata::ImageResult &r)
{
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    return r.bytes;
}
inline QByteArray d64(const QList<ImageFile> &files, const QByteArray &name = "DISK")
{
    return checked(sampledata::writeD64(name, "01", files));
}
inline QByteArray t64(const QList<ImageFile> &files, int slots = 0, const QByteArray &name = "T")
{
    return checked(sampledata::writeT64(name, files, slots));
}
// count one-block programs "FILE000", "FILE001", ...
inline QByteArray d64Files(int count)
{
    QList<ImageFile> files;
    for (int i = 0; i < count; ++i)
        files.append({QString("FILE%1").arg(i, 3, 10, QLatin1Char('0')).toLatin1(), {}});
    return d64(files);
}
// A program loading at 0x0801 with length bytes after the load address.
inline QByteArray prg(int length)
{
    return QByteArray("\x01\x08", 2) + QByteArray(length, char(0xEA));
}
// A list line: quoted name, blanks up to width, tab, size, tab, type.
inline QString line(const QString &name, int blocks, const QString &type, int width = 17)
{
    return '"' + name + '"' + QString(qMax(0, width - int(name.size())), ' ') + '\t' +
           QString::number(blocks) + '\t' + type;
}

} // namespace c64img
