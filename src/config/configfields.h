#pragma once

#include "configuration.h"

#include <QString>

#include <array>

enum class ChooserPurpose;

namespace configfields
{

// One path of the configuration as the configuration window shows it: the name its box
// and button are known by, the frame and label it sits under, and what the chooser picks
// for it.
struct Field {
    Configuration::Path path;
    const char *name;
    ChooserPurpose purpose;
    const char *frame;
    const char *label;

    bool isFolder() const { return Configuration::isFolder(path); }
};

// The fourteen paths in window order.
const std::array<Field, 14> &fields();

// The program a configured path names, as its file name shows it (either separator, no
// Windows ".exe"); fallback when the path is empty.
QString programName(const QString &path, const QString &fallback);

} // namespace configfields
