#pragma once

#include <QByteArray>

// Page 0 of a Jet 4 file: the signature, the version and the masked region that holds the
// code page, the (empty) database key and the language.
QByteArray jetHeaderPage();
