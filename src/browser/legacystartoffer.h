#pragma once

#include "paths.h"

#include <QCoreApplication>
#include <QString>

class Dialogs;

// Before the main window opens on a catalogue of the older Windows program: offers to
// convert it into a new catalogue (or to open the one converted before), converts it on a
// worker thread behind a progress window and says where the new catalogue went.
class LegacyStartOffer
{
    Q_DECLARE_TR_FUNCTIONS(LegacyStartOffer)
public:
    LegacyStartOffer(Dialogs &dialogs, QString dataDir);

    // The paths to go on with: paths itself when its catalogue is no Jet file, when the
    // offer is declined or when the conversion fails (the main window's open test then
    // reports the catalogue as before).
    Paths run(const Paths &paths);
    // Whether run() converted a catalogue, whose paths then name a Windows computer's files.
    bool converted() const { return m_converted; }

private:
    bool convert(const QString &jetFile, const QString &target, const QString &tempDir);
    QString runConversion(const QString &jetFile, const QString &target, const QString &tempDir);

    Dialogs &m_dialogs;
    QString m_dataDir;
    bool m_converted = false;
};
