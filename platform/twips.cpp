#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
    QRect lage = fenster->frameGeometry();
    lage.moveCenter(bildschirm->availableGeometry().center());
    fenster->move(lage.topLeft());
}

}  // namespace fluvan::platform
