#include "logging.h"

Q_LOGGING_CATEGORY(lcCatalogue, "vantrel.catalogue", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLaunch, "vantrel.launch", QtInfoMsg)
Q_LOGGING_CATEGORY(lcExchange, "vantrel.exchange", QtInfoMsg)
Q_LOGGING_CATEGORY(lcJobs, "vantrel.jobs", QtInfoMsg)
