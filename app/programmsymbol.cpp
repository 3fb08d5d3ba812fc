#include "app/programmsymbol.h"

#include <QDir>

// The resource lives in a static library: nothing would pull it into the
// program unless it is named.
static void ladeProgrammsymbol() { Q_INIT_RESOURCE(programmsymbol); }

namespace fluvan::app {

QIcon programmsymbol() {
    static const bool geladen = (ladeProgrammsymbol(), true);
    (void)geladen;
    // Drawn once as PNGs of the sizes a title bar, a task bar and a switcher ask for.
    QIcon symbol;
    for (const QString& datei : QDir(QStringLiteral(":/programmsymbol")).entryList(QDir::Files))
        symbol.addFile(QStringLiteral(":/programmsymbol/") + datei);
    return symbol;
}

}  // namespace fluvan::app
