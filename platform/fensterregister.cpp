#include "platform/fensterregister.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace fluvan::platform {

namespace {

bool aufWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// Waits on a window until it is on the screen, then hands over once that
// event has been dealt with, so that the window's first picture comes first.
// Found among the window handle's children by its type, which only the meta
// object tells: a native child widget's handle is a child there too.
class Abbildungswaechter : public QObject {
    Q_OBJECT

public:
    explicit Abbildungswaechter(QWidget* fenster, std::function<void()> danach = {})
        : QObject(fenster->windowHandle()), fenster_(fenster), danach_(std::move(danach)) {
        parent()->installEventFilter(this);
    }
    bool wartet() const { return wartet_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (wartet_ && ereignis->type() == QEvent::Expose && static_cast<QWindow*>(objekt)->isExposed()) {
            wartet_ = false;
            if (danach_) QTimer::singleShot(0, fenster_, std::move(danach_));
            objekt->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* fenster_;  // owns the window handle that owns this
    std::function<void()> danach_;
    bool wartet_ = true;
};

// Whether the window was shown anew and is not yet on the screen again: Qt
// learns that it went from the screen only afterwards.
bool kommtWieder(const QWindow* fensterflaeche) {
    for (const auto* waechter : fensterflaeche->findChildren<Abbildungswaechter*>(Qt::FindDirectChildrenOnly))
        if (waechter->wartet()) return true;
    return false;
}

}  // namespace

void holeNachVorn(QWidget* fenster) {
    if (aufWayland()) {
        // A Wayland client can neither raise nor restore its windows, nor is
        // it told that one was minimized; a window shown anew comes up on top.
        if (!fenster->isActiveWindow()) {
            fenster->hide();
            fenster->show();
            new Abbildungswaechter(fenster);
        }
    } else if (fenster->isMinimized()) {
        fenster->setWindowState(fenster->windowState() & ~Qt::WindowMinimized);
    }
    fenster->raise();
    fenster->activateWindow();
}

void wennAbgebildet(QWidget* fenster, std::function<void()> danach) {
    const QWindow* fensterflaeche = fenster ? fenster->windowHandle() : nullptr;
    if (!fensterflaeche || (fensterflaeche->isExposed() && !kommtWieder(fensterflaeche)))
        danach();
    else
        new Abbildungswaechter(fenster, std::move(danach));
}

}  // namespace fluvan::platform

#include "fensterregister.moc"
