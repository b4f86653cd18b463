#include "pixelfont.h"
#include "screenshots.h"

#include <QImage>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

using namespace sampledata;

namespace
{

QSet<QRgb> colours(const QImage &image)
{
    QSet<QRgb> set;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            set.insert(image.pixel(x, y) & 0xFFFFFF);
    return set;
}

QImage text(const QString &s)
{
    QImage img(60, 10, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    drawPixelText(p, 0, 0, s, Qt::white);
    return img;
}

} // namespace

TEST(Screenshots, SizesOfTheTwoMachines)
{
    EXPECT_EQ(makeC64Screenshot("A", 1, 1).size(), QSize(320, 200));
    EXPECT_EQ(makeC64Screenshot("A", 2, 1).size(), QSize(320, 200));
    EXPECT_EQ(makeAmigaScreenshot("A", 1, 1).size(), QSize(320, 256));
    EXPECT_EQ(makeAmigaScreenshot("A", 2, 1).size(), QSize(320, 256));
}

TEST(Screenshots, PicturesDifferButRepeatForTheSameInput)
{
    EXPECT_EQ(makeC64Screenshot("Moon", 1, 3), makeC64Screenshot("Moon", 1, 3));
    EXPECT_NE(makeC64Screenshot("Moon", 1, 3), makeC64Screenshot("Moon", 2, 3));
    EXPECT_NE(makeC64Screenshot("Moon", 1, 3), makeC64Screenshot("Sun", 1, 3));
    EXPECT_NE(makeAmigaScreenshot("Moon", 2, 3), makeAmigaScreenshot("Moon", 2, 4));
    EXPECT_NE(makeAmigaScreenshot("Moon", 1, 3), makeAmigaScreenshot("Moon", 2, 3));
}

TEST(Screenshots, C64PicturesKeepToSixteenColours)
{
    for (quint32 seed = 1; seed <= 6; ++seed) {
        EXPECT_LE(colours(makeC64Screenshot("Palette", 1, seed)).size(), 16);
        EXPECT_LE(colours(makeC64Screenshot("Palette", 2, seed)).size(), 16);
    }
    EXPECT_GT(colours(makeAmigaScreenshot("Gradient", 1, 1)).size(), 16);
    EXPECT_GT(colours(makeC64Screenshot("Several", 2, 1)).size(), 3) << "a visible picture";
}

TEST(PixelFont, DrawsLettersAndDropsAccents)
{
    EXPECT_NE(text("A"), text(" "));
    EXPECT_NE(text("A"), text("B"));
    EXPECT_EQ(text("É"), text("E"));
    EXPECT_EQ(text("a"), text("A"));
    EXPECT_EQ(text("\u4e2d"), text(" ")) << "no glyph leaves a blank";
    EXPECT_EQ(pixelTextWidth("ABC"), 18);
    EXPECT_EQ(pixelTextWidth("ABC", 2), 36);
    QImage img(30, 10, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    EXPECT_EQ(drawPixelText(p, 2, 1, "HI", Qt::white), 12);
    p.end();
    // "H" has its left column lit from top to bottom.
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(img.pixel(2, 1 + row) & 0xFFFFFF, 0xFFFFFFu) << "row " << row;
    EXPECT_EQ(img.pixel(2, 8) & 0xFFFFFF, 0u);
}
