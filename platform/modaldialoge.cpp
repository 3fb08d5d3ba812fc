#include "platform/modaldialoge.h"

#include <QApplication>
#include <QDialog>
#include <utility>

namespace fluvan::platform {
namespace {

QPointer<QWidget>& fragendes() {
    static QPointer<QWidget> fenster;
    return fenster;
}

}  // namespace

FragendesFenster::FragendesFenster(QWidget* fenster) : frueher(std::exchange(fragendes(), fenster)) {}

FragendesFenster::~FragendesFenster() { fragendes() = frueher; }

QWidget* dialogEltern() { return fragendes().data(); }

int zeigeModal(QDialog& dialog) {
    // Every window blocked, not only the parent: so none can be closed under
    // a command that waits here.
    dialog.setWindowModality(Qt::ApplicationModal);
    const FragendesFenster keines(nullptr);
    return dialog.exec();
}

bool wartetAufAntwort(QObject& kontext, std::function<void()> danach) {
    QWidget* offen = QApplication::activeModalWidget();
    if (!offen) return false;
    // Once it is gone, not merely hidden: a box lives until its exec() has
    // returned. Queued, so `danach` runs in the event loop that goes on.
    QObject::connect(offen, &QObject::destroyed, &kontext, std::move(danach), Qt::QueuedConnection);
    return true;
}

}  // namespace fluvan::platform
