#pragma once

#include "c64roms.h"
#include "tune.h"

#include <memory>
#include <vector>

class ReSIDfpBuilder;
class SidTune;
class sidplayfp;

namespace music
{

// A PSID or RSID tune on libsidplayfp's emulated C64 with reSIDfp.
class C64Tune : public Tune
{
public:
    // Refuses a damaged file, and an RSID tune whose ROMs are missing. Song lengths and STIL
    // come from hvscFolder (may be empty), the latter when path lies inside it.
    static Result<std::unique_ptr<Tune>> load(const QByteArray &data, const C64Roms &roms,
                                              const QString &hvscFolder, const QString &path);
    ~C64Tune() override;

    Outcome selectSubtune(int subtune) override;
    int render(qint16 *stereo, int frames) override;

private:
    C64Tune(const QByteArray &data, const C64Roms &roms);
    Outcome start();
    Outcome configure();

    QByteArray m_data;
    C64Roms m_roms;
    // Destroyed in reverse: the engine goes before the tune and the chips it uses.
    std::unique_ptr<SidTune> m_tune;
    std::unique_ptr<ReSIDfpBuilder> m_builder;
    std::unique_ptr<sidplayfp> m_engine;
    std::vector<short> m_mixed; // samples made but not handed out yet (newer libraries)
    size_t m_mixedAt = 0;
};

} // namespace music
