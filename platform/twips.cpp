#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace fluvan::platform {

void platziere(QWidget* steuerelement, int links, int oben, int breite, int hoehe) {
    steuerelement->setGeometry(pixel(links), pixel(oben), pixel(breite), pixel(hoehe));
}

void platziere(QWidget* steuerelement, Twips lage) {
    platziere(steuerelement, lage.links, lage.oben, lage.breite, lage.hoehe);
}

void festeInnengroesse(QWidget* fenster, int breite, int hoehe) { fenster->setFixedSize(pixel(breite), pixel(hoehe)); }

void zentriere(QWidget* fenster) {
    const QScreen* bildschirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!bildschirm) return;
    const QRect flaeche = bildschirm->availableGeometry();
    QRect lage = fenster->frameGeometry();
    lage.moveCenter(flaeche.center());
    // A window larger than the screen keeps its title bar on it, where the
    // user can reach and move it.
    fenster->move(std::max(lage.left(), flaeche.left()), std::max(lage.top(), flaeche.top()));
}

}  // namespace fluvan::platform
