#include "platform/fensterregister.h"

#include <QGuiApplication>

namespace fluvan::platform {

namespace {

bool aufWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

void holeNachVorn(QWidget* fenster) {
    if (aufWayland()) {
        // A Wayland client can neither raise nor restore its windows, nor is
        // it told that one was minimized; a window shown anew comes up on top.
        if (!fenster->isActiveWindow()) {
            fenster->hide();
            fenster->show();
        }
    } else if (fenster->isMinimized()) {
        fenster->setWindowState(fenster->windowState() & ~Qt::WindowMinimized);
    }
    fenster->raise();
    fenster->activateWindow();
}

}  // namespace fluvan::platform
