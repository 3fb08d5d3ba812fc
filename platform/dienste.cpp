#include "platform/dienste.h"

#include "platform/qt_meldungen.h"

namespace fluvan::platform {
namespace {

// The result sheet lives above this layer: the program puts its display in
// at start (app/main.cpp); until then a finished calculation shows nothing.
class KeineErgebnisanzeige : public base::Ergebnisanzeige {
public:
    void zeigeBild1(const base::Variable&) override {}
};

}  // namespace

Dienste& dienste() {
    static QtMeldungen meldungen;
    static QtRegionaleinstellungen region;
    static QtProgrammende ende;
    static KeineErgebnisanzeige ergebnis;
    static QtZwischenablage zwischenablage;
    static QtDruckdialog druckdialog;
    static QtSpeicherdialog speicherdialog;
    static QtStarter starter;
    static Dienste dienste{&meldungen,      &region,      &ende,           &ergebnis,
                           &zwischenablage, &druckdialog, &speicherdialog, &starter};
    return dienste;
}

}  // namespace fluvan::platform
