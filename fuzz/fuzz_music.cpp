// Feeds arbitrary bytes to the tune loaders (SID through libsidplayfp, everything else
// through libopenmpt), then renders a little of the first subtunes of what loads.
#include "tuneloader.h"

#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    auto tune = music::loadTune(bytes, {}, {});
    if (!tune) {
        if (tune.error().isEmpty())
            std::abort();
        return 0;
    }
    const TuneInfo &info = (*tune)->info();
    if (info.subtunes < 1 || info.startSubtune < 1 || info.startSubtune > info.subtunes ||
        info.lengthsMs.size() != info.subtunes)
        std::abort();
    std::vector<qint16> buffer(2048 * Tune::kChannels);
    for (int subtune = 1; subtune <= std::min(info.subtunes, 3); ++subtune) {
        if (!(*tune)->selectSubtune(subtune).ok())
            continue;
        if ((*tune)->render(buffer.data(), 2048) > 2048)
            std::abort();
    }
    return 0;
}
