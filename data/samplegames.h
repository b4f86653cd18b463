#pragma once

#include <QList>

namespace sampledata
{

enum class GameMedia { None, D64, T64, Adf, TwoAdf, ThreeAdf };

// One game of the sample catalogue. Texts are UTF-8; a null pointer is stored as Null.
struct SampleGame {
    const char *titolo = nullptr;
    const char *sh = nullptr;
    const char *team = nullptr;
    const char *year = nullptr;
    const char *tipo = nullptr;
    const char *formato = nullptr;
    const char *design = nullptr;
    const char *programming = nullptr;
    const char *graphics = nullptr;
    const char *music = nullptr;
    const char *adddesign = nullptr;
    const char *addprogramming = nullptr;
    const char *addgraphics = nullptr;
    const char *addmusic = nullptr;
    const char *others = nullptr;
    const char *note = nullptr;
    const char *dbver = "2026.12";
    GameMedia media = GameMedia::None;
    bool song = false;
    int shots = 0; // 0, 1 or 2 screenshots
};

// The games of the sample catalogue: invented titles, publishers and people.
const QList<SampleGame> &sampleGames();

} // namespace sampledata
