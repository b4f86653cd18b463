#pragma once

#include <QPixmap>

namespace merrow
{

// The utility's logo: a floppy disk with two arrows, drawn so that no image file is needed.
QPixmap logoPixmap(int size);

} // namespace merrow
