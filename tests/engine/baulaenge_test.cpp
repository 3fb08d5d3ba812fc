#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace fluvan::engine {
namespace {

using fakes::Kette;
using namespace catalogue;
using fakes::Meldung;

struct LaengenFall {
    const char* modell;
    const char* nennweite;
    base::Flanschart flansch;
    const char* box;  // text in txtLaenge after the step
    float baulaenge;
};

constexpr auto DIN = base::Flanschart::DIN;
constexpr auto ANSI = base::Flanschart::ANSI;

// A row's name: model, size and flange.
std::string fallname(const char* modell, const char* nennweite, base::Flanschart flansch) {
    return std::string(modell) + " DN " + nennweite + (flansch == DIN ? " DIN" : flansch == ANSI ? " ANSI" : " own");
}

TEST(BaulaengeBestimmen, TabellenlaengeUndANSIZuschlag) {
    // clang-format off
    const LaengenFall faelle[] = {
        {"Veltrum 220", "10", DIN, "68", 68},
        {"Veltrum 220", "25", DIN, "54", 54},
        {"Veltrum 220", "25", ANSI, "54", 54},   // Baureihe 2: no surcharge
        {"RSN 90", "80", ANSI, "350", 350},      // Baureihe 7: 50 at DN 80 and 150
        {"RSN 90", "100", ANSI, "350", 350},
        {"RSN 90", "150", ANSI, "400", 400},
        {"RSN 90", "350", ANSI, "700", 700},
        {"RSN 90", "500", ANSI, "800", 800},
        {"RSN 90", "80", DIN, "300", 300},
        {"RSN 90", "100", DIN, "350", 350},
        {"RSN 90", "150", DIN, "350", 350},
        {"RSN 90", "350", DIN, "500", 500},
        {"RSN 90", "500", DIN, "600", 600},
        {"Brisal 14", "300", ANSI, "500", 500},  // no surcharge below DN 350
        {"Brisal 14", "350", ANSI, "700", 700},
        {"Brisal 14", "2500", ANSI, "2700", 2700},
        {"TKD 63CAP", "25", DIN, "58", 58},
        {"TKD 63CAP", "100", DIN, "203", 203},
        {"TKD 61", "2,5", DIN, "65", 65},
        {"TKD 72", "2,5", DIN, "180", 180},
        {"TKD 51", "2,5", DIN, "150", 150},
        {"Brisal 11", "650", DIN, "600", 600},
        {"RSN 70", "650", DIN, "700", 700},
        {"Brisal 11", "1200", DIN, "1200", 1200},  // set before the size check rejects it
        {"RSN 70 HP", "3000", ANSI, "3200", 3200},
        {"Veltrum 530", "2000", ANSI, "2200", 2200},
        {"TKD 73", "150", ANSI, "325", 325},
    };
    // clang-format on
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fallname(fall.modell, fall.nennweite, fall.flansch));
        Kette k;
        k.v.Geraetetyp = fall.modell;
        k.v.Nennweite = fall.nennweite;
        k.formular.flansch = fall.flansch;
        k.lauf.BaulaengeBestimmen();
        EXPECT_EQ(k.formular.laenge, fall.box);
        EXPECT_EQ(k.v.Baulaenge, fall.baulaenge);
    }
}

TEST(BaulaengeBestimmen, DN2KommaFuenfMitBeidenTrennern) {
    for (const char* trenner : {",", "."}) {
        SCOPED_TRACE(trenner);
        Kette k(trenner);
        k.v.Geraetetyp = "TKD 61";
        k.v.Nennweite = std::string("2") + trenner + "5";
        k.lauf.BaulaengeBestimmen();
        EXPECT_EQ(k.v.Baulaenge, 65);
    }
}

struct EigeneFall {
    const char* getippt;
    float baulaenge;
};

TEST(BaulaengeBestimmen, EigeneLaengeBleibtWieGetippt) {
    const EigeneFall faelle[] = {{"120", 120}, {"", 0}, {"12.5.7", 12.5f}, {"68.5", 68.5f}, {"abc", 0}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << '"' << fall.getippt << '"');
        Kette k(",");
        k.v.Geraetetyp = "Veltrum 220";
        k.formular.flansch = base::Flanschart::EigeneLaenge;
        k.formular.laenge = fall.getippt;
        k.lauf.BaulaengeBestimmen();
        EXPECT_EQ(k.formular.laenge, fall.getippt) << "the table length is not written into the box";
        EXPECT_EQ(k.v.Baulaenge, fall.baulaenge);
    }
}

TEST(BaulaengeBestimmen, DINErsetztEigeneLaengeImNaechstenLauf) {
    Kette k;
    k.formular.flansch = base::Flanschart::EigeneLaenge;
    k.formular.laenge = "99";
    k.lauf.BaulaengeBestimmen();
    EXPECT_EQ(k.v.Baulaenge, 99);
    k.formular.flansch = base::Flanschart::DIN;
    k.lauf.BaulaengeBestimmen();
    EXPECT_EQ(k.formular.laenge, "68");
    EXPECT_EQ(k.v.Baulaenge, 68);
}

// No table length for DIN or ANSI: the box and the cell stay as they were, and
// an accepted size stops with its own box instead of a stale length.
TEST(BaulaengeBestimmen, OhneTabellenzeileKeineAlteLaenge) {
    struct Fall {
        const char* modell;
        const char* nennweite;
        base::Flanschart flansch;
    };
    // clang-format off
    const Fall faelle[] = {
        {"Brisal 11", "10", DIN},    {"Brisal 11", "10", ANSI}, {"RSN 90", "450", ANSI},
        {"TKD 54", "2100", ANSI},    {"RSN 70", "1050", ANSI},  {"Veltrum 220", "20", DIN},
    };
    // clang-format on
    const char* texte[][2] = {
        {"D", "Keine Baulänge für diese Nennweite: bitte eigene Baulänge eingeben!"},
        {"GB", "No installation length for this size: please enter own length!"},
        {"F", "Pas de longueur pour ce diamètre: entrez votre longueur!"},
        {"E", "¡No hay longitud para este diámetro: introduzca su longitud!"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fallname(fall.modell, fall.nennweite, fall.flansch));
        for (const auto& text : texte) {
            SCOPED_TRACE(text[0]);
            Kette k;
            k.v.Sprache = text[0];
            k.v.Baulaenge = 100;  // from an earlier run
            k.formular.laenge = "100";
            k.v.Geraetetyp = fall.modell;
            k.v.Nennweite = fall.nennweite;
            k.formular.flansch = fall.flansch;
            k.lauf.BaulaengeBestimmen();
            EXPECT_EQ(k.formular.laenge, "100");
            EXPECT_EQ(k.v.Baulaenge, 100);
            k.lauf.SatzAufrufen(Satzname::BerechnenBris11klein);
            ASSERT_EQ(k.meldungen.gezeigt.size(), 1u);
            EXPECT_EQ(k.meldungen.gezeigt[0], (Meldung{text[1], base::MeldungsStil::Ausruf}));
            EXPECT_EQ(k.anzeige.gezeigt, 0);
        }
    }
}

// The run goes on to the sheet: the curve and the pressure loss over the
// length just found (DN 10, 1 m/s, water of viscosity 1: Re 10^4, Blasius).
TEST(BaulaengeBestimmen, MitTabellenzeileGehtDerLaufWeiter) {
    Kette k;
    k.v.Endgeschwindigkeit = 1;
    k.v.Dichte = 1000;
    k.v.Viskositaet = 1;
    k.lauf.BaulaengeBestimmen();
    k.lauf.SatzAufrufen(Satzname::BerechnenVeltrum220);
    for (const auto& m : k.meldungen.gezeigt) EXPECT_EQ(m.prompt.find("Baulänge"), std::string::npos) << m.prompt;
    EXPECT_EQ(k.anzeige.gezeigt, 1) << "the sheet shows the calculation";
    EXPECT_EQ(k.v.Fehler(1), 0.5f) << "0.4 + 1 / v x 0.1";
    EXPECT_EQ(k.v.Druckabfall(1), 1.08f) << "over the table length 68";
}

TEST(BaulaengeBestimmen, EigeneLaengeOhneTabellenzeile) {
    Kette k;
    k.v.Geraetetyp = "Brisal 11";
    k.formular.flansch = base::Flanschart::EigeneLaenge;
    k.formular.laenge = "240";
    k.v.Endgeschwindigkeit = 1;
    k.v.Dichte = 1000;
    k.v.Viskositaet = 1;
    k.lauf.BaulaengeBestimmen();
    EXPECT_EQ(k.v.Baulaenge, 240);
    k.lauf.SatzAufrufen(Satzname::BerechnenBris11klein);
    for (const auto& m : k.meldungen.gezeigt) EXPECT_EQ(m.prompt.find("Baulänge"), std::string::npos) << m.prompt;
    EXPECT_EQ(k.anzeige.gezeigt, 1) << "the sheet shows the calculation";
    EXPECT_EQ(k.v.Fehler(1), 0.5f) << "FehlerOben above the threshold";
    EXPECT_EQ(k.v.Druckabfall(1), 3.8f) << "over the own length 240";
}

TEST(BaulaengeBestimmen, UnbekannterTypBehaeltDieBaureihe) {
    Kette k;
    k.v.Baureihe = 6;
    k.v.Geraetetyp = "Unbekannt";
    k.v.Nennweite = "25";
    k.lauf.BaulaengeBestimmen();
    EXPECT_EQ(k.v.Baureihe, 6);
    EXPECT_EQ(k.v.Baulaenge, 250);
}

}  // namespace
}  // namespace fluvan::engine
