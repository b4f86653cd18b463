#include "screenshots.h"

#include "pixelfont.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRandomGenerator>

#include <array>

namespace sampledata
{
namespace
{

const std::array<QRgb, 16> kC64Palette = {
    0x000000, 0xFFFFFF, 0x883932, 0x67B6BD, 0x8B3F96, 0x55A049, 0x40318D, 0xBFCE72,
    0x8B5429, 0x574200, 0xB86962, 0x505050, 0x787878, 0x94E089, 0x7869C4, 0x9F9F9F};

QColor c64(int index)
{
    return QColor(kC64Palette[index & 15]);
}

int pick(QRandomGenerator &rng, int n)
{
    return int(rng.bounded(n));
}

void centredText(QPainter &p, const QImage &img, int y, const QString &text, const QColor &color,
                 int scale)
{
    QString line = text;
    while (pixelTextWidth(line, scale) > img.width() - 16 && scale > 1)
        --scale;
    while (pixelTextWidth(line, scale) > img.width() - 16)
        line.chop(1);
    drawPixelText(p, (img.width() - pixelTextWidth(line, scale)) / 2, y, line, color, scale);
}

void c64TitleScreen(QImage &img, QPainter &p, const QString &title, QRandomGenerator &rng)
{
    const int bg = 1 + pick(rng, 15);
    p.fillRect(img.rect(), c64(bg == 1 ? 6 : bg == 6 ? 14 : 0));
    // Raster bars behind the logo.
    for (int i = 0; i < 8; ++i)
        p.fillRect(0, 40 + i * 4, 320, 4, c64((bg + i) % 16));
    p.fillRect(0, 72, 320, 4, c64(1));
    centredText(p, img, 52, title, c64(1), 3);
    centredText(p, img, 150, QStringLiteral("PRESS FIRE TO START"), c64(7), 1);
    centredText(p, img, 170, QStringLiteral("(C) 19%1").arg(82 + pick(rng, 15)), c64(15), 1);
    for (int i = 0; i < 12; ++i)
        p.fillRect(pick(rng, 320), 90 + pick(rng, 50), 2, 2, c64(pick(rng, 16)));
}

void c64Scene(QImage &img, QPainter &p, const QString &title, QRandomGenerator &rng)
{
    const int sky = std::array{6, 14, 0, 3, 11}[pick(rng, 5)];
    p.fillRect(img.rect(), c64(sky));
    const int ground = 150 + pick(rng, 20);
    p.fillRect(0, ground, 320, 200 - ground, c64(std::array{5, 9, 8, 12}[pick(rng, 4)]));
    for (int x = 0; x < 320; x += 16)
        p.fillRect(x, ground, 8, 4, c64(13));
    // Platforms, a player and a few enemies as chunky blocks.
    for (int i = 0; i < 4; ++i)
        p.fillRect(pick(rng, 280), 60 + pick(rng, 80), 24 + pick(rng, 40), 6, c64(pick(rng, 16)));
    p.fillRect(40 + pick(rng, 60), ground - 21, 12, 21, c64(1));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(c64(2 + pick(rng, 6)));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(150 + pick(rng, 150), 40 + pick(rng, 100)), 8, 6);
    }
    p.fillRect(0, 0, 320, 10, c64(0));
    drawPixelText(p, 4, 1, QStringLiteral("SCORE %1").arg(pick(rng, 100) * 50, 6, 10, QChar('0')),
                  c64(1));
    const QString name = title.left(20);
    drawPixelText(p, 316 - pixelTextWidth(name), 1, name, c64(7));
}

void amigaGradient(QPainter &p, const QImage &img, QColor top, QColor bottom)
{
    const int h = img.height();
    for (int y = 0; y < h; ++y) {
        const double t = double(y) / (h - 1);
        p.fillRect(0, y, img.width(), 1,
                   QColor(int(top.red() + (bottom.red() - top.red()) * t),
                          int(top.green() + (bottom.green() - top.green()) * t),
                          int(top.blue() + (bottom.blue() - top.blue()) * t)));
    }
}

QColor randomColour(QRandomGenerator &rng)
{
    // Twelve bits a colour, as the Amiga's palette registers hold.
    return QColor(pick(rng, 16) * 17, pick(rng, 16) * 17, pick(rng, 16) * 17);
}

void amigaTitleScreen(QImage &img, QPainter &p, const QString &title, QRandomGenerator &rng)
{
    amigaGradient(p, img, randomColour(rng).darker(300), randomColour(rng));
    // Copper bars.
    for (int bar = 0; bar < 3; ++bar) {
        const int y0 = 20 + bar * 70 + pick(rng, 20);
        const QColor c = randomColour(rng);
        for (int i = 0; i < 14; ++i)
            p.fillRect(0, y0 + i, 320, 1, c.lighter(100 + 12 * (i < 7 ? i : 13 - i)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRect(10, 96, 300, 50);
    centredText(p, img, 104, title, QColor(255, 238, 170), 4);
    centredText(p, img, 200, QStringLiteral("CLICK LEFT MOUSE BUTTON"), QColor(220, 220, 255), 1);
}

void amigaScene(QImage &img, QPainter &p, const QString &title, QRandomGenerator &rng)
{
    amigaGradient(p, img, randomColour(rng), randomColour(rng).lighter(130));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200));
    p.drawEllipse(QPoint(40 + pick(rng, 240), 40 + pick(rng, 30)), 18, 18);
    for (int layer = 0; layer < 3; ++layer) {
        QPolygon hills;
        hills << QPoint(0, 256);
        for (int x = 0; x <= 320; x += 32)
            hills << QPoint(x, 130 + layer * 35 + pick(rng, 40));
        hills << QPoint(320, 256);
        p.setBrush(randomColour(rng).darker(120 + layer * 40));
        p.drawPolygon(hills);
    }
    for (int i = 0; i < 5; ++i) {
        p.setBrush(randomColour(rng));
        p.drawRect(pick(rng, 300), 60 + pick(rng, 150), 10 + pick(rng, 20), 10 + pick(rng, 20));
    }
    p.fillRect(0, 240, 320, 16, QColor(20, 20, 40));
    drawPixelText(p, 4, 244, title.left(30), QColor(250, 250, 250));
    drawPixelText(p, 268, 244, QStringLiteral("x%1").arg(1 + pick(rng, 5)), QColor(255, 90, 90));
}

QImage draw(int width, int height, const QString &title, int shot, quint32 seed, bool amiga)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(Qt::black);
    // A fixed resolution keeps the files identical whatever screen the machine has.
    img.setDotsPerMeterX(2835);
    img.setDotsPerMeterY(2835);
    QRandomGenerator rng(seed * 2 + quint32(shot));
    {
        QPainter p(&img);
        if (amiga)
            shot == 1 ? amigaTitleScreen(img, p, title, rng) : amigaScene(img, p, title, rng);
        else
            shot == 1 ? c64TitleScreen(img, p, title, rng) : c64Scene(img, p, title, rng);
    }
    return img;
}

} // namespace

QImage makeC64Screenshot(const QString &title, int shot, quint32 seed)
{
    return draw(kC64ShotWidth, kC64ShotHeight, title, shot, seed, false);
}

QImage makeAmigaScreenshot(const QString &title, int shot, quint32 seed)
{
    return draw(kAmigaShotWidth, kAmigaShotHeight, title, shot, seed, true);
}

} // namespace sampledata
