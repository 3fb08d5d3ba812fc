#include "platform/protokoll.h"

Q_LOGGING_CATEGORY(fluvanAusgabe, "fluvan.ausgabe", QtInfoMsg)
