#pragma once

#include <QString>

class QImage;

namespace sampledata
{

constexpr int kC64ShotWidth = 320;
constexpr int kC64ShotHeight = 200;
constexpr int kAmigaShotWidth = 320;
constexpr int kAmigaShotHeight = 256;

// Made-up screenshots drawn from the title and a seed: shot 1 is a title screen, shot 2 a
// scene of play. C64 pictures keep to a 16-colour palette, Amiga pictures use gradients.
QImage makeC64Screenshot(const QString &title, int shot, quint32 seed);
QImage makeAmigaScreenshot(const QString &title, int shot, quint32 seed);

} // namespace sampledata
