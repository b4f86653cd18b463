#include "moduletune.h"

#include <QCoreApplication>

#include <libopenmpt/libopenmpt.hpp>

#include <cmath>
#include <sstream>

namespace music
{
namespace
{

QString metadata(const openmpt::module &module, const char *key)
{
    return QString::fromStdString(module.get_metadata(key)).trimmed();
}

} // namespace

ModuleTune::ModuleTune() : m_log(std::make_unique<std::ostringstream>()) {}

ModuleTune::~ModuleTune() = default;

Result<std::unique_ptr<Tune>> ModuleTune::load(const QByteArray &data)
{
    std::unique_ptr<ModuleTune> tune(new ModuleTune);
    try {
        tune->m_module =
            std::make_unique<openmpt::module>(data.constData(), size_t(data.size()), *tune->m_log);
    } catch (const std::exception &e) {
        return Failure{QCoreApplication::translate("Music", "it is not a module or it is damaged "
                                                            "(%1)")
                           .arg(QString::fromLocal8Bit(e.what()))};
    }
    const openmpt::module &m = *tune->m_module;
    TuneInfo &info = tune->m_info;
    info.format = metadata(m, "type");
    info.title = metadata(m, "title");
    info.author = metadata(m, "artist");
    info.released = metadata(m, "date");
    info.comment = metadata(m, "message_raw");
    info.subtunes = std::max(1, int(m.get_num_subsongs()));
    for (int subtune = 1; subtune <= info.subtunes; ++subtune) {
        tune->m_module->select_subsong(subtune - 1);
        info.lengthsMs.append(int(std::lround(tune->m_module->get_duration_seconds() * 1000)));
    }
    if (const Outcome started = tune->selectSubtune(info.startSubtune); !started)
        return started.failure();
    return std::unique_ptr<Tune>(std::move(tune));
}

Outcome ModuleTune::selectSubtune(int subtune)
{
    Q_ASSERT(subtune >= 1 && subtune <= m_info.subtunes);
    try {
        m_module->select_subsong(subtune - 1);
        m_module->set_position_seconds(0);
    } catch (const std::exception &e) {
        return Failure{QString::fromLocal8Bit(e.what())};
    }
    return {};
}

int ModuleTune::render(qint16 *stereo, int frames)
{
    return int(m_module->read_interleaved_stereo(kSampleRate, size_t(frames), stereo));
}

} // namespace music
