#pragma once
// Recording stand-ins for the ports of the calculation chain, shared by the
// tests and the benchmarks.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "base/ports.h"
#include "base/variable.h"
#include "base/zahlen.h"
#include "engine/rechenlauf.h"

namespace fluvan::fakes {

struct Meldung {
    std::string prompt;
    base::MeldungsStil stil;
    bool operator==(const Meldung&) const = default;
};

// How a test's failure message shows a box: its prompt and style.
inline void PrintTo(const Meldung& meldung, std::ostream* aus) {
    *aus << '"' << meldung.prompt << "\" " << static_cast<int>(meldung.stil);
}

class AufzeichnendeMeldungen : public base::Meldungen {
public:
    void MsgBox(const std::string& prompt, base::MeldungsStil stil) override { gezeigt.push_back({prompt, stil}); }
    std::vector<Meldung> gezeigt;
};

class FesteRegion : public base::Regionaleinstellungen {
public:
    explicit FesteRegion(std::string trenner = ",") : trenner(std::move(trenner)) {}
    std::string Dezimaltrennzeichen() const override { return trenner; }
    std::string trenner;
};

class FakeFormular : public base::Hauptformular {
public:
    std::string txtVolumen() const override { return volumen; }
    std::string txtDichte() const override { return dichte; }
    std::string txtVisco() const override { return visco; }
    std::string txtLaenge() const override { return laenge; }
    void setzeTxtLaenge(const std::string& text) override { laenge = text; }
    base::Flanschart gewaehlteFlanschart() const override { return flansch; }

    // The main form's start texts, DIN selected.
    std::string volumen = "0.0";
    std::string dichte = "1000";
    std::string visco = "1";
    std::string laenge = "68";
    base::Flanschart flansch = base::Flanschart::DIN;
};

// Counts the shows and keeps the state handed over last.
class ZaehlendeAnzeige : public base::Ergebnisanzeige {
public:
    void zeigeBild1(const base::Variable& ergebnis) override {
        ++gezeigt;
        this->ergebnis = ergebnis;
    }
    int gezeigt = 0;
    std::optional<base::Variable> ergebnis;
};

// A state as the main form leaves it after its load (German form), and a
// calculation chain on fakes.
struct Kette {
    explicit Kette(std::string trenner = ",") : region(std::move(trenner)) {
        v.Sprache = "D";
        v.Geraetetyp = "Veltrum 220";
        v.Nennweite = "10";
        v.NennweiteZoll = "3/8";
        v.VolumenEinheit = "m3";
        v.VolumenFaktor = 1000;
        v.ZeitEinheit = "Stunde";
        v.ZeitFaktor = 3600;
    }
    base::Variable v;
    AufzeichnendeMeldungen meldungen;
    FesteRegion region;
    FakeFormular formular;
    ZaehlendeAnzeige anzeige;
    engine::Rechenlauf lauf{v, meldungen, region, formular, anzeige};
};

}  // namespace fluvan::fakes
