#pragma once

#include <QLoggingCategory>

// The programs' log categories; enable with QT_LOGGING_RULES="vantrel.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcCatalogue) // vantrel.catalogue: opening, writes, migrations
Q_DECLARE_LOGGING_CATEGORY(lcLaunch)    // vantrel.launch: emulators and players started
Q_DECLARE_LOGGING_CATEGORY(lcExchange)  // vantrel.exchange: export, import, conversion
Q_DECLARE_LOGGING_CATEGORY(lcJobs)      // vantrel.jobs: long work
