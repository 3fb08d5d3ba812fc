#include "platform/fensteraufnahme.h"

#include <QPixmap>
#include <string>

#include "base/variable.h"
#include "output/fehlertexte.h"
#include "platform/bildhalter.h"
#include "platform/dienste.h"
#include "platform/rollflaeche.h"

namespace fluvan::platform {

bool Fensteraufnahme(QWidget& fenster, Bildhalter& halter) {
    // Painted straight from the window: no key event and no pass of the event
    // loop, so no other window and no queued command can come in between;
    // the whole inside, also where the window scrolls it.
    const QPixmap bild = ganzesBild(fenster.window());
    if (bild.isNull()) {
        meldeFehlschlag();
        return false;
    }
    const QImage aufnahme = bild.toImage();
    dienste().zwischenablage->setzeBild(aufnahme);
    halter.setzeBild(aufnahme);
    return true;
}

QImage bildVon(const Bildhalter& halter) { return halter.bild(); }

// A print, save or hand-over that failed says so, rather than end silently
// as if it had been done.
void meldeFehlschlag() {
    const auto text = output::VorgangNichtMoeglich[base::Variable::instanz().Sprache];
    dienste().meldungen->MsgBox(std::string(text), base::MeldungsStil::Ausruf);
}

}  // namespace fluvan::platform
