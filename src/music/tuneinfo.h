#pragma once

#include <QList>
#include <QString>

#include <optional>

// What a tune says of itself, and what an HVSC copy adds. Subtunes count from 1.
struct TuneInfo {
    QString format; // "PSID", "RSID", or the module's type ("mod", "xm", ...)
    QString title;
    QString author;
    QString released;
    int subtunes = 1;
    int startSubtune = 1;
    QList<std::optional<int>> lengthsMs; // one a subtune, when known
    QString comment;                     // the STIL entry, when the tune lies in HVSC

    std::optional<int> lengthMs(int subtune) const
    {
        return subtune >= 1 && subtune <= lengthsMs.size() ? lengthsMs[subtune - 1] : std::nullopt;
    }
};

// What a tune file does not carry: an HVSC copy for song lengths and STIL, and the C64 ROM
// files that tunes running on the real KERNAL need. Every path may be empty.
struct MusicSources {
    QString hvscFolder; // the folder that holds DOCUMENTS
    QString kernalRom;
    QString basicRom;
    QString characterRom;
};
