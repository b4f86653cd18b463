#pragma once

class QCoreApplication;

// Installs the translations for the user's languages (QLocale::system()): Qt's own from its
// translations folder and the programs' own built in. A language without a translation
// leaves the texts in English. Called before any text is built, the help's included.
void installTranslators(QCoreApplication &app);
