#include "platform/programmende.h"

#include <QApplication>
#include <QWidget>

namespace fluvan::platform {

void QtProgrammende::beenden() {
    // Hiding sends no close event, so no window runs code of its own.
    for (QWidget* fenster : QApplication::topLevelWidgets()) fenster->hide();
    QCoreApplication::exit(0);
}

}  // namespace fluvan::platform
