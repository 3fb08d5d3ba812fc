#include "platform/fensteraufnahme.h"

#include <QLabel>
#include <QPixmap>
#include <string>

#include "base/variable.h"
#include "output/fehlertexte.h"
#include "platform/dienste.h"

namespace fluvan::platform {

bool Fensteraufnahme(QWidget& fenster, QLabel& halter) {
    // Painted straight from the window: no key event and no pass of the event
    // loop, so no other window and no queued command can come in between.
    const QPixmap bild = fenster.window()->grab();
    if (bild.isNull()) {
        meldeFehlschlag();
        return false;
    }
    dienste().zwischenablage->setzeBild(bild.toImage());
    halter.setPixmap(bild);
    return true;
}

QImage bildVon(const QLabel& halter) { return halter.pixmap().toImage(); }

void meldeFehlschlag() {
    const auto text = output::VorgangNichtMoeglich[base::Variable::instanz().Sprache];
    dienste().meldungen->MsgBox(std::string(text), base::MeldungsStil::Ausruf);
}

}  // namespace fluvan::platform
