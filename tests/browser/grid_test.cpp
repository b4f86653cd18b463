#include "gamegridview.h"
#include "gamelistmodel.h"
#include "thumbnailcache.h"
#include "widgettest.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

using namespace browser;

namespace
{

QString picture(const QString &path, QColor colour, QSize size = {320, 200})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path);
    return path;
}

int kept(const QString &folder)
{
    return int(QDir(folder).entryList(QDir::Files).size());
}

} // namespace

TEST(ThumbnailCache, KeepsAThumbnailPerPictureVersionAndRefusesWhatIsNoPicture)
{
    QTemporaryDir dir;
    const ThumbnailCache cache(dir.filePath("cache"));
    const QString shot = picture(dir.filePath("a.png"), Qt::blue);
    EXPECT_EQ(cache.thumbnail(shot).value().size(), QSize(160, 100));
    const QString first = cache.fileFor(QFileInfo(shot));
    EXPECT_TRUE(QFileInfo::exists(first));
    // A changed picture has a thumbnail of its own, never enlarged.
    picture(shot, Qt::red, {64, 64});
    const QString second = cache.fileFor(QFileInfo(shot));
    EXPECT_NE(second, first);
    EXPECT_EQ(cache.thumbnail(shot).value().size(), QSize(64, 64));
    writeFile(second, "PNG"); // a kept file cut short is made again
    EXPECT_EQ(cache.thumbnail(shot).value().pixelColor(5, 5), QColor(Qt::red));
    for (const QString &bad :
         {writeFile(dir.filePath("bad.png"), "\x89PNG\r\n damaged"), dir.filePath("gone.png")})
        EXPECT_FALSE(cache.thumbnail(bad).ok()) << bad.toStdString();
    EXPECT_EQ(kept(cache.folder()), 2);
    QFile touched(shot);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    touched.setFileTime(QDateTime::currentDateTime().addSecs(60),
                        QFileDevice::FileModificationTime);
    EXPECT_NE(cache.fileFor(QFileInfo(shot)), second);
}

TEST(GameGridView, MakesThumbnailsForTheTilesInSightOnly)
{
    QTemporaryDir dir;
    QStandardItemModel model;
    for (int id = 1; id <= 60; ++id) {
        auto *item = new QStandardItem(QString("Game %1").arg(id));
        item->setData(id, GameListModel::IdRole);
        model.appendRow(item);
        picture(dir.filePath(QString("%1.png").arg(id)), Qt::green, {16, 16});
    }
    QList<GameId> asked;
    GameGridView grid(dir.filePath("cache"));
    grid.setScreenshotReader([&](const QList<GameId> &ids) {
        QHash<GameId, QString> shots;
        for (const GameId id : ids)
            shots.insert(id, dir.filePath(QString("%1.png").arg(id)));
        asked << ids;
        return shots;
    });
    grid.setModel(&model);
    grid.resize(400, 340);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    const auto showAt = [&](int row) {
        grid.scrollTo(model.index(row, 0), QAbstractItemView::PositionAtTop);
        grid.viewport()->repaint();
    };
    showAt(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !grid.isLoading(); }));
    const int inSight = kept(dir.filePath("cache"));
    EXPECT_GE(inSight, 4);
    EXPECT_LE(inSight, 9);
    EXPECT_EQ(asked.size(), inSight);
    // Scrolled on before the workers are back: of the tiles passed by, only the two
    // pictures in the making are made.
    showAt(20);
    showAt(40);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !grid.isLoading(); }));
    EXPECT_EQ(kept(dir.filePath("cache")), 2 * inSight + 2);
}
