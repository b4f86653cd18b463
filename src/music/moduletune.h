#pragma once

#include "tune.h"

#include <QByteArray>

#include <iosfwd>
#include <memory>

namespace openmpt
{
class module;
}

namespace music
{

// A tracker module (MOD, XM, S3M, IT and every other format libopenmpt reads); each of its
// subsongs is a subtune, played once.
class ModuleTune : public Tune
{
public:
    static Result<std::unique_ptr<Tune>> load(const QByteArray &data);
    ~ModuleTune() override;

    Outcome selectSubtune(int subtune) override;
    int render(qint16 *stereo, int frames) override;

private:
    ModuleTune();
    // libopenmpt writes its log here for as long as the module lives, not to stderr.
    std::unique_ptr<std::ostringstream> m_log;
    std::unique_ptr<openmpt::module> m_module;
};

} // namespace music
