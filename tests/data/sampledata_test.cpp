#include "benchcatalogue.h"
#include "d64writer.h"
#include "database.h"
#include "imagereader.h"
#include "samplecatalogue.h"
#include "widgettest.h"

#include <QDir>
#include <QDirIterator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sampledata;

namespace
{

// Every file below folder, by its path relative to folder, with its bytes.
QMap<QString, QByteArray> filesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

// The game rows as text, with the folder they were written into taken out.
QStringList gameRows(const QString &folder)
{
    const auto connection = catalogue::Connection::open(QDir(folder).filePath("commodore.mdb"),
                                                        catalogue::Connection::Mode::ReadOnly);
    EXPECT_TRUE(connection.ok()) << connection.error().toStdString();
    QStringList rows;
    if (!connection)
        return rows;
    QSqlQuery q = catalogue::run((*connection)->db(), "select * from tabella1 order by id")
                      .valueOr(QSqlQuery());
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values << q.value(i).toString().replace(QDir::toNativeSeparators(folder), "<dir>");
        rows << values.join('|');
    }
    return rows;
}

} // namespace

TEST(SampleData, TheSameInputsGiveTheSameFilesAndGames)
{
    QTemporaryDir a, b;
    QString error;
    ASSERT_TRUE(writeSampleCatalogue(a.path(), &error)) << error.toStdString();
    ASSERT_TRUE(writeSampleCatalogue(b.path(), &error)) << error.toStdString();
    QMap<QString, QByteArray> filesA = filesBelow(a.filePath("sample"));
    EXPECT_GT(filesA.size(), 30);
    EXPECT_EQ(filesA, filesBelow(b.filePath("sample")));
    const QStringList rows = gameRows(a.path());
    EXPECT_GT(rows.size(), 30);
    EXPECT_EQ(rows, gameRows(b.path()));

    ASSERT_TRUE(writeBenchCatalogue(a.filePath("bench1.mdb"), 500, 7, &error));
    ASSERT_TRUE(writeBenchCatalogue(a.filePath("bench2.mdb"), 500, 7, &error));
    const QByteArray bench = readFile(a.filePath("bench1.mdb"));
    EXPECT_FALSE(bench.isEmpty());
    EXPECT_EQ(bench, readFile(a.filePath("bench2.mdb")));
}

TEST(SampleData, AWrittenDiskReadsBackThroughTheImageReader)
{
    QList<ImageFile> files;
    for (int i = 0; i < 20; ++i) // enough entries for three directory sectors
        files.append({QByteArray("FILE ") + QByteArray::number(i), QByteArray(300 * i + 1, 'x')});
    files.append({"NOTES", QByteArray(10, 'n'), 0x81});
    const ImageResult disk = writeD64("SAMPLE DISK", "SD", files);
    ASSERT_TRUE(disk.ok()) << disk.error.toStdString();

    const ImageListing listing = readD64(disk.bytes);
    EXPECT_FALSE(listing.corrupted);
    EXPECT_EQ(listing.name, "SAMPLE DISK");
    ASSERT_EQ(listing.lines.size(), files.size());
    int used = 0;
    for (int i = 0; i < files.size(); ++i) {
        const int blocks = (files[i].data.size() + 253) / 254;
        used += blocks;
        const QStringList columns = listing.lines[i].split('\t');
        ASSERT_EQ(columns.size(), 3) << listing.lines[i].toStdString();
        EXPECT_EQ(columns[0].trimmed(), '"' + QString(files[i].name) + '"');
        EXPECT_EQ(columns[1], QString::number(blocks));
        EXPECT_EQ(columns[2].trimmed(), i + 1 < files.size() ? "PRG" : "SEQ");
    }
    EXPECT_EQ(listing.freeText, QString("%1 BLOCKS FREE.").arg(664 - used));
}
