#include "app/fensterrahmen.h"

#include <QEvent>
#include <QMenuBar>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/programmsymbol.h"
#include "platform/fensterregister.h"
#include "platform/rollflaeche.h"
#include "platform/schriften.h"
#include "platform/steuerelemente.h"
#include "platform/twips.h"

namespace fluvan::app {

using platform::pixel;
using platform::qtext;

namespace {

Qt::WindowFlags fensterart(Rahmenart art) {
    const Qt::WindowFlags fest = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                 Qt::WindowCloseButtonHint;
    switch (art) {
        case Rahmenart::Ohne: return Qt::Window | Qt::FramelessWindowHint;
        case Rahmenart::Veraenderlich: return Qt::Window;
        case Rahmenart::FestEinfach: return fest;
        case Rahmenart::FestDialog: return fest | Qt::MSWindowsFixedSizeDialogHint;
    }
    return Qt::Window;
}

// A window larger than the screen's work area would hide its lower part under
// a panel or below the screen. It is fitted into the area when it is shown,
// with the border of the program's other windows, and again once the window
// manager has framed it, with its own: that comes with a move, or by the time
// the window is on the screen.
class Arbeitsflaechenwaechter : public QObject {
public:
    Arbeitsflaechenwaechter(QWidget* fenster, bool zentriert)
        : QObject(fenster), fenster_(fenster), zentriert_(zentriert) {
        fenster->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (objekt != fenster_) return false;
        if (ereignis->type() == QEvent::Show) {
            platform::passeInArbeitsflaeche(fenster_, platform::rahmenrand(fenster_), zentriert_);
            ungerahmt_ = true;
            platform::wennAbgebildet(fenster_, [this] { gerahmt(); });
        } else if (ereignis->type() == QEvent::Move) {
            gerahmt();
        }
        return false;
    }

private:
    void gerahmt() {
        if (!ungerahmt_ || !platform::gerahmt(fenster_)) return;
        ungerahmt_ = false;
        platform::passeInArbeitsflaeche(fenster_, platform::rahmenrand(fenster_), zentriert_);
    }

    QWidget* fenster_;  // owns this
    bool zentriert_;
    bool ungerahmt_ = false;
};

void benenne(QWidget* fenster, const char* name, std::string_view titel, const Rahmen& rahmen) {
    fenster->setObjectName(QString::fromLatin1(name));
    fenster->setWindowTitle(qtext(titel));
    fenster->setWindowFlags(fensterart(rahmen.art));
    fenster->setWindowIcon(programmsymbol());
    new Arbeitsflaechenwaechter(fenster, rahmen.zentriert);
}

}  // namespace

void richteFensterEin(QWidget* fenster, const char* name, std::string_view titel, const Rahmen& rahmen) {
    benenne(fenster, name, titel, rahmen);
    // A sizeable window only starts at its size; the controls keep their places.
    if (rahmen.art == Rahmenart::Veraenderlich)
        fenster->resize(pixel(rahmen.innenBreite), pixel(rahmen.innenHoehe));
    else
        platform::festeInnengroesse(fenster, rahmen.innenBreite, rahmen.innenHoehe);
    if (rahmen.zentriert) platform::zentriere(fenster);
}

QWidget* richteMenuefensterEin(QMainWindow* fenster, const char* name, std::string_view titel, const Rahmen& rahmen,
                               const QColor& flaeche) {
    benenne(fenster, name, titel, rahmen);
    fenster->menuBar()->setNativeMenuBar(false);
    fenster->menuBar()->setFont(platform::schrift("MS Sans Serif", 8));

    auto* innen = new QWidget(fenster);
    innen->setObjectName(QStringLiteral("Innenflaeche"));
    fenster->setCentralWidget(innen);
    if (rahmen.art == Rahmenart::Veraenderlich)
        innen->setMinimumSize(pixel(rahmen.innenBreite), pixel(rahmen.innenHoehe));
    else
        platform::festeInnengroesse(innen, rahmen.innenBreite, rahmen.innenHoehe);
    platform::hintergrund(innen, flaeche);
    return innen;
}

void schliesseRahmenAb(QMainWindow* fenster, const Rahmen& rahmen) {
    // A sizeable window starts at its inside size below the menu bar.
    if (rahmen.art == Rahmenart::Veraenderlich)
        fenster->resize(pixel(rahmen.innenBreite), pixel(rahmen.innenHoehe) + fenster->menuBar()->sizeHint().height());
    fenster->adjustSize();
    if (rahmen.art != Rahmenart::Veraenderlich) fenster->setFixedSize(fenster->size());
    if (rahmen.zentriert) platform::zentriere(fenster);
}

QFont schrift(const Schriftwahl& wahl) { return platform::schrift(wahl.name, wahl.punkte, wahl.fett); }

QMenu* menue(QMainWindow* fenster, const char* name, std::string_view caption) {
    QMenu* m = fenster->menuBar()->addMenu(qtext(caption));
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QMenu* menue(QMenu* obermenue, const char* name, std::string_view caption) {
    QMenu* m = obermenue->addMenu(qtext(caption));
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction* eintrag(QWidget* menue, std::string_view name, std::string_view caption) {
    auto* aktion = new QAction(qtext(caption), menue);
    aktion->setObjectName(qtext(name));
    menue->addAction(aktion);
    return aktion;
}

void setzeFokusfolge(QWidget* fenster, std::span<const std::string_view> namen) {
    std::vector<QWidget*> folge;
    for (std::string_view name : namen) {
        auto* steuerelement = fenster->findChild<QWidget*>(qtext(name));
        if (!steuerelement) throw std::logic_error("no control " + std::string(name) + " in the focus order");
        folge.push_back(steuerelement);
    }
    for (std::size_t i = 1; i < folge.size(); ++i) QWidget::setTabOrder(folge[i - 1], folge[i]);
    if (!folge.empty()) folge.front()->setFocus();
}

}  // namespace fluvan::app
