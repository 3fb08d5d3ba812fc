#include "app/fensterrahmen.h"

#include <QMenuBar>

#include "platform/schriften.h"
#include "platform/steuerelemente.h"
#include "platform/systemfarben.h"
#include "platform/twips.h"

namespace fluvan::app {

using platform::qtext;

QWidget* richteFensterEin(QMainWindow* fenster, const char* name, std::string_view titel, bool festerDialog,
                          int innenBreite, int innenHoehe) {
    fenster->setObjectName(QString::fromLatin1(name));
    fenster->setWindowTitle(qtext(titel));
    Qt::WindowFlags art = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
    if (festerDialog) art |= Qt::MSWindowsFixedSizeDialogHint;
    fenster->setWindowFlags(art);
    fenster->menuBar()->setNativeMenuBar(false);
    fenster->menuBar()->setFont(platform::schrift("MS Sans Serif", 8));

    auto* innen = new QWidget(fenster);
    innen->setObjectName(QStringLiteral("Innenflaeche"));
    fenster->setCentralWidget(innen);
    platform::festeInnengroesse(innen, innenBreite, innenHoehe);
    platform::hintergrund(innen, platform::qfarbe(platform::Schaltflaeche));
    return innen;
}

void fixiereGroesse(QMainWindow* fenster) {
    fenster->adjustSize();
    fenster->setFixedSize(fenster->size());
}

QMenu* menue(QMainWindow* fenster, const char* name, std::string_view caption) {
    QMenu* m = fenster->menuBar()->addMenu(qtext(caption));
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction* eintrag(QWidget* menue, const char* name, std::string_view caption) {
    auto* aktion = new QAction(qtext(caption), menue);
    aktion->setObjectName(QString::fromLatin1(name));
    menue->addAction(aktion);
    return aktion;
}

}  // namespace fluvan::app
