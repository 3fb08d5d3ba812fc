#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "fakes/fakes.h"

namespace fluvan::engine {
namespace {

using fakes::Kette;
using fakes::Meldung;

// The prompts end the run; the cells written before keep their new values.
struct PromptFall {
    const char* sprache;
    const char* volumen;
    const char* dichte;
    const char* visco;
    const char* prompt;
};

TEST(Rechenlauf, EingabeaufforderungenInVierSprachen) {
    // clang-format off
    const PromptFall faelle[] = {
        {"D", "0.0", "1000", "1", "Endwert ?"},     {"GB", "", "1000", "1", "Max. Value ?"},
        {"F", "abc", "1000", "1", "Valeur max. ?"}, {"E", "0", "1000", "1", "Valor?"},
        {"D", "1", "0", "1", "Dichte ?"},           {"GB", "1", "", "1", "Density ?"},
        {"F", "1", "x", "1", "Densité ?"},          {"E", "1", "0.0", "1", "Densidad ?"},
        {"D", "1", "1000", "0", "Viskosität ?"},    {"GB", "1", "1000", "", "Viskosity ?"},
        {"F", "1", "1000", "0", "Viskosité ?"},     {"E", "1", "1000", ".", "Viscosidad ?"},
        // Beyond the float range counts as not greater than 0.
        {"D", "1e39", "1000", "1", "Endwert ?"},    {"D", "1", "1e39", "1", "Dichte ?"},
        {"D", "1", "1000", "1e39", "Viskosität ?"},
        // Too small for the cell: tested as the 0 that is stored.
        {"D", "1e-46", "1000", "1", "Endwert ?"},   {"D", "1", "1e-46", "1", "Dichte ?"},
        {"D", "1", "1000", "-1e-46", "Viskosität ?"},
    };
    // clang-format on
    for (const auto& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << fall.sprache << ": \"" << fall.volumen << "\", \"" << fall.dichte
                                          << "\", \"" << fall.visco << '"');
        Kette k;
        k.v.Sprache = fall.sprache;
        k.formular.volumen = fall.volumen;
        k.formular.dichte = fall.dichte;
        k.formular.visco = fall.visco;
        k.lauf.cmdFehlerkurve_Click();
        ASSERT_EQ(k.meldungen.gezeigt.size(), 1u);
        EXPECT_EQ(k.meldungen.gezeigt[0], (Meldung{fall.prompt, base::MeldungsStil::Frage}));
        EXPECT_EQ(k.v.EinheitText, "") << "the run must end at the prompt";
        EXPECT_EQ(k.formular.laenge, "68");
    }
}

TEST(Rechenlauf, TeilschreibungenBeiEingabeaufforderung) {
    Kette k;
    k.v.Durchfluss(1) = 7;
    k.v.Dichte = 5;
    k.v.Viskositaet = 6;

    k.formular.volumen = "-3";
    k.lauf.cmdFehlerkurve_Click();
    EXPECT_EQ(k.v.Endwert, -3);
    EXPECT_EQ(k.v.Durchfluss(1), 7) << "keeps its earlier value";
    EXPECT_EQ(k.v.Dichte, 5);

    k.v.VolumenEinheit = "kg";
    k.formular.volumen = "1000";
    k.formular.dichte = "0";
    k.lauf.cmdFehlerkurve_Click();
    EXPECT_EQ(k.v.Endwert, 1000);
    EXPECT_EQ(k.v.Durchfluss(1), 1000) << "not converted before the density passed";
    EXPECT_EQ(k.v.Dichte, 0);
    EXPECT_EQ(k.v.Viskositaet, 6);

    k.formular.dichte = "2000";
    k.formular.visco = "0";
    k.lauf.cmdFehlerkurve_Click();
    EXPECT_EQ(k.v.Durchfluss(1), 500) << "converted for kg";
    EXPECT_EQ(k.v.Viskositaet, 0);
    EXPECT_EQ(k.v.Baulaenge, 0) << "the length step did not run";
}

TEST(Rechenlauf, ZweiterDezimalpunktUndAngehaengterText) {
    Kette k;
    k.formular.volumen = "1.5.3";
    k.formular.dichte = "998abc";
    k.lauf.cmdFehlerkurve_Click();
    EXPECT_EQ(k.v.Endwert, 1.5f);
    EXPECT_EQ(k.v.Dichte, 998);
    EXPECT_TRUE(k.meldungen.gezeigt.empty());
}

// Velocity as the run computes it, from the stored cells.
float erwarteteGeschwindigkeit(float volumenendwert, double nennweite, float volumenFaktor, float zeitFaktor) {
    const float querschnitt = static_cast<float>(nennweite * nennweite * 3.141592654 / 4000);
    const float faktor = static_cast<float>(static_cast<double>(volumenFaktor) / zeitFaktor);
    return static_cast<float>(static_cast<double>(volumenendwert) / querschnitt * faktor);
}

TEST(Rechenlauf, EinKubikmeterProStundeBeiDN10) {
    Kette k;
    k.formular.volumen = "1";
    k.lauf.cmdFehlerkurve_Click();
    EXPECT_TRUE(k.meldungen.gezeigt.empty());
    EXPECT_EQ(k.v.EinheitText, "m3/Stunde");
    EXPECT_EQ(k.v.Querschnitt, static_cast<float>(100 * 3.141592654 / 4000));
    EXPECT_EQ(k.v.Umrechnungsfaktor, static_cast<float>(1000.0 / 3600));
    EXPECT_EQ(k.v.Endgeschwindigkeit, erwarteteGeschwindigkeit(1, 10, 1000, 3600));
    EXPECT_NEAR(k.v.Endgeschwindigkeit, 3.5368, 1e-4);
    EXPECT_EQ(k.v.EndgeschwindigkeitGerundet, 3.537f);
    EXPECT_EQ(k.v.Baureihe, 2);
    EXPECT_EQ(k.v.Baulaenge, 68);
}

struct GeschwindigkeitsFall {
    const char* einheit;
    float faktor;
    const char* volumen;
    const char* dichte;
    const char* nennweite;
    const char* trenner;
    float volumenendwert;
    double dn;
    double handwert;  // m/s, worked out by hand: litres per second over the area
};

TEST(Rechenlauf, EinheitenUndNennweiten) {
    // clang-format off
    const GeschwindigkeitsFall faelle[] = {
        {"m3", 1000, "10", "1000", "50", ",", 10, 50, 1.41471},
        {"kg", 1, "1000", "2000", "10", ",", 500, 10, 1.76839},
        {"t", 1000, "1", "2000", "10", ",", 0.5f, 10, 1.76839},
        {"kg", 1, "1000", "1000", "10", ",", 1000, 10, 3.53678},
        {"l", 1, "1000", "2000", "10", ",", 1000, 10, 3.53678},  // only kg and t convert
        {"m3", 1000, "1", "1000", "2,5", ",", 1, 2.5, 56.58842},
        {"m3", 1000, "1", "1000", "2.5", ".", 1, 2.5, 56.58842},
    };
    // clang-format on
    for (const auto& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << fall.volumen << " " << fall.einheit << " at density " << fall.dichte
                                          << ", DN " << fall.nennweite);
        Kette k(fall.trenner);
        // No model: the run stops at the dispatch, so Durchfluss(1) keeps the
        // volume; series 5 (TKD 72) has a length for DN 2.5, 10 and 50.
        k.v.Geraetetyp = "";
        k.v.Baureihe = 5;
        k.v.VolumenEinheit = fall.einheit;
        k.v.VolumenFaktor = fall.faktor;
        k.v.Nennweite = fall.nennweite;
        k.formular.volumen = fall.volumen;
        k.formular.dichte = fall.dichte;
        k.lauf.cmdFehlerkurve_Click();
        EXPECT_TRUE(k.meldungen.gezeigt.empty());
        EXPECT_EQ(k.v.Durchfluss(1), fall.volumenendwert);
        EXPECT_EQ(k.v.Querschnitt, static_cast<float>(fall.dn * fall.dn * 3.141592654 / 4000));
        EXPECT_EQ(k.v.Endgeschwindigkeit, erwarteteGeschwindigkeit(fall.volumenendwert, fall.dn, fall.faktor, 3600));
        EXPECT_NEAR(k.v.Endgeschwindigkeit, fall.handwert, fall.handwert * 1e-5);
    }
}

TEST(Rechenlauf, EinheitTextMitMasseneinheit) {
    Kette k;
    k.v.Sprache = "GB";
    k.v.VolumenEinheit = "kg";
    k.v.VolumenFaktor = 1;
    k.v.ZeitEinheit = "min";
    k.v.ZeitFaktor = 60;
    k.formular.volumen = "5";
    k.lauf.cmdFehlerkurve_Click();
    EXPECT_EQ(k.v.EinheitText, "kg/min");
}

struct FehlerFall {
    const char* sprache;
    const char* text;
};

// A calculation fault never crashes: one exclamation box in the language.
TEST(Rechenlauf, BerechnungNichtMoeglich) {
    // clang-format off
    const FehlerFall faelle[] = {
        {"D", "Berechnung mit diesen Werten nicht möglich!"},
        {"GB", "Calculation not possible with these values!"},
        {"F", "Calcul impossible avec ces valeurs!"},
        {"E", "¡Cálculo imposible con estos valores!"},
    };
    // clang-format on
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.sprache);
        Kette k;
        k.v.Sprache = fall.sprache;
        k.v.Nennweite = "abc";
        k.formular.volumen = "1";
        k.lauf.cmdFehlerkurve_Click();
        ASSERT_EQ(k.meldungen.gezeigt.size(), 1u);
        EXPECT_EQ(k.meldungen.gezeigt[0], (Meldung{fall.text, base::MeldungsStil::Ausruf}));
        EXPECT_EQ(k.v.Endwert, 1) << "cells before the fault keep their values";
        EXPECT_EQ(k.v.Baureihe, 2);
        EXPECT_EQ(k.v.EinheitText, "");
    }
}

TEST(Rechenlauf, UeberlaufUndDivisionDurchNull) {
    {
        Kette k;  // no time unit selected: division by zero
        k.v.ZeitFaktor = 0;
        k.formular.volumen = "1";
        k.lauf.cmdFehlerkurve_Click();
        ASSERT_EQ(k.meldungen.gezeigt.size(), 1u);
        EXPECT_EQ(k.meldungen.gezeigt[0].stil, base::MeldungsStil::Ausruf);
        EXPECT_EQ(k.v.EinheitText, "m3/Stunde") << "written before the fault";
        EXPECT_EQ(k.v.Umrechnungsfaktor, 0);
    }
    {
        Kette k;  // a velocity beyond the float range
        k.v.Geraetetyp = "TKD 72";
        k.v.Nennweite = "4";
        k.v.ZeitFaktor = 1;
        k.formular.volumen = "3e38";
        k.lauf.cmdFehlerkurve_Click();
        ASSERT_EQ(k.meldungen.gezeigt.size(), 1u);
        EXPECT_EQ(k.meldungen.gezeigt[0].prompt, "Berechnung mit diesen Werten nicht möglich!");
        EXPECT_EQ(k.v.Querschnitt, static_cast<float>(16 * 3.141592654 / 4000));
    }
}

// The regional separator reaches the chain only through the port: the process
// locale changes nothing.
TEST(Rechenlauf, UnabhaengigVomProzessLocale) {
    auto rechne = [] {
        Kette k(",");
        k.v.Nennweite = "2,5";
        k.v.Geraetetyp = "TKD 72";
        k.formular.volumen = "0.75";
        k.formular.dichte = "998.2";
        k.formular.visco = "1.002";
        k.lauf.cmdFehlerkurve_Click();
        k.lauf.FehlerBerechnen();
        return k.v;
    };
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 not generated";
    const base::Variable imDeutschen = rechne();
    std::setlocale(LC_ALL, "C");
    const base::Variable imC = rechne();
    std::setlocale(LC_ALL, vorher.c_str());
    EXPECT_EQ(imC.Endwert, 0.75f);
    EXPECT_EQ(imC.Dichte, 998.2f);
    EXPECT_EQ(imC.Endgeschwindigkeit, imDeutschen.Endgeschwindigkeit);
    EXPECT_EQ(imC.Baulaenge, imDeutschen.Baulaenge);
    EXPECT_EQ(imC.Durchfluss.punkt, imDeutschen.Durchfluss.punkt);
    EXPECT_EQ(imC.Geschwindigkeit.punkt, imDeutschen.Geschwindigkeit.punkt);
    EXPECT_EQ(imC.Druckabfall.punkt, imDeutschen.Druckabfall.punkt);
    EXPECT_EQ(imC.Reynoldszahl.punkt, imDeutschen.Reynoldszahl.punkt);
}

}  // namespace
}  // namespace fluvan::engine
