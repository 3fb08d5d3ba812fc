#pragma once
// Why a print or a hand-over failed, as one line on standard error: the box
// the user sees says only that it failed.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(fluvanAusgabe)
