#include "platform/rollflaeche.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace fluvan::platform {

namespace {

QWidget* menueleiste(const QWidget* fenster) {
    const auto* hauptfenster = qobject_cast<const QMainWindow*>(fenster);
    QWidget* leiste = hauptfenster ? hauptfenster->menuWidget() : nullptr;
    return leiste && !leiste->isHidden() ? leiste : nullptr;
}

bool ohneRahmen(const QWidget* fenster) { return fenster->windowFlags().testFlag(Qt::FramelessWindowHint); }

// The window's own border, as its window handle knows it (a widget keeps
// what it read first); none while it is not framed, or while the window
// manager is still framing it (then a border of negative size may be read).
QMargins eigenerRand(const QWidget* fenster) {
    const QWindow* flaeche = fenster->windowHandle();
    if (!flaeche) return {};
    const QMargins rand = flaeche->frameMargins();
    if (rand.left() < 0 || rand.top() < 0 || rand.right() < 0 || rand.bottom() < 0) return {};
    return rand;
}

// Puts the window's inside into a scroll area that fills the window. The
// controls keep their places, their order for Tab and the focus.
QScrollArea* rolleInnenflaeche(QWidget* fenster) {
    QWidget* fokus = fenster->focusWidget();
    auto* rolle = new QScrollArea;
    rolle->setObjectName(QStringLiteral("Rollflaeche"));
    rolle->setFrameShape(QFrame::NoFrame);
    // No stop of its own for Tab; Tab still scrolls to the control it reaches.
    rolle->setFocusPolicy(Qt::NoFocus);
    rolle->setWidgetResizable(true);
    if (auto* hauptfenster = qobject_cast<QMainWindow*>(fenster)) {
        QWidget* innen = hauptfenster->takeCentralWidget();
        rolle->setWidget(innen);
        hauptfenster->setCentralWidget(rolle);
    } else {
        auto* innen = new QWidget(fenster);
        innen->setObjectName(QStringLiteral("Innenflaeche"));
        innen->setMinimumSize(fenster->size());
        const QObjectList kinder = fenster->children();
        for (QObject* kind : kinder) {
            auto* steuerelement = qobject_cast<QWidget*>(kind);
            // Boxes and dialogs over the window stay its own.
            if (!steuerelement || steuerelement == innen || steuerelement->isWindow()) continue;
            const bool sichtbar = steuerelement->isVisibleTo(fenster);
            steuerelement->setParent(innen);
            steuerelement->setVisible(sichtbar);
        }
        rolle->setWidget(innen);
        auto* lage = new QVBoxLayout(fenster);
        lage->setContentsMargins({});
        lage->addWidget(rolle);
    }
    rolle->show();
    if (fokus) fokus->setFocus();
    return rolle;
}

}  // namespace

QScrollArea* rollflaeche(const QWidget* fenster) {
    return fenster->findChild<QScrollArea*>(QStringLiteral("Rollflaeche"), Qt::FindDirectChildrenOnly);
}

bool gerahmt(const QWidget* fenster) { return ohneRahmen(fenster) || !eigenerRand(fenster).isNull(); }

QMargins rahmenrand(const QWidget* fenster) {
    if (ohneRahmen(fenster)) return {};
    if (const QMargins rand = eigenerRand(fenster); !rand.isNull()) return rand;
    for (const QWidget* anderes : QApplication::topLevelWidgets())
        if (anderes != fenster && anderes->isVisible() && !ohneRahmen(anderes))
            if (const QMargins rand = eigenerRand(anderes); !rand.isNull()) return rand;
    return {};
}

void passeInArbeitsflaeche(QWidget* fenster, QMargins rand, bool zentriert) {
    const QScreen* bildschirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!bildschirm) return;
    const QRect flaeche = bildschirm->availableGeometry();
    const QSize platz = flaeche.size().shrunkBy(rand);
    QScrollArea* rolle = rollflaeche(fenster);
    QSize ganz = fenster->size();
    if (rolle) {
        const QWidget* leiste = menueleiste(fenster);
        ganz = rolle->widget()->minimumSize() + QSize(0, leiste ? leiste->height() : 0);
    }
    if (ganz.width() <= platz.width() && ganz.height() <= platz.height() && !rolle) return;
    if (!rolle) rolle = rolleInnenflaeche(fenster);

    // A scroll bar in one direction takes room from the other.
    const int balken = rolle->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, rolle);
    QSize groesse = ganz;
    if (groesse.height() > platz.height()) {
        groesse.setHeight(platz.height());
        groesse.rwidth() += balken;
    }
    if (groesse.width() > platz.width()) {
        groesse.setWidth(platz.width());
        groesse.setHeight(std::min(groesse.height() + balken, platz.height()));
    }
    if (groesse == fenster->size()) return;
    if (fenster->minimumSize() == fenster->maximumSize())
        fenster->setFixedSize(groesse);
    else
        fenster->resize(groesse);

    // The frame in the area, its top-left corner last so that the title bar
    // stays on the screen. Placed by the inside, which is where a window that
    // is not yet framed is put.
    const bool platziert = fenster->windowHandle() && fenster->windowHandle()->isExposed();
    if (!zentriert && !platziert) return;  // where the window manager puts it
    QRect rahmen = QRect(fenster->geometry().topLeft(), groesse).marginsAdded(rand);
    if (zentriert) rahmen.moveCenter(flaeche.center());
    rahmen.moveLeft(std::max(std::min(rahmen.left(), flaeche.right() - rahmen.width() + 1), flaeche.left()));
    rahmen.moveTop(std::max(std::min(rahmen.top(), flaeche.bottom() - rahmen.height() + 1), flaeche.top()));
    fenster->setGeometry(rahmen.marginsRemoved(rand));
}

QPixmap ganzesBild(QWidget* fenster) {
    const QScrollArea* rolle = rollflaeche(fenster);
    if (!rolle) return fenster->grab();
    // As the window shows it where it fits: the menu bar above the inside.
    QWidget* innen = rolle->widget();
    QWidget* leiste = menueleiste(fenster);
    const int oben = leiste ? leiste->height() : 0;
    const QSize groesse(innen->width(), oben + innen->height());
    const qreal faktor = fenster->devicePixelRatio();
    QPixmap bild((QSizeF(groesse) * faktor).toSize());
    bild.setDevicePixelRatio(faktor);
    bild.fill(fenster->palette().color(fenster->backgroundRole()));
    if (leiste) leiste->render(&bild, {}, QRegion(0, 0, groesse.width(), oben));
    innen->render(&bild, QPoint(0, oben));
    return bild;
}

}  // namespace fluvan::platform
