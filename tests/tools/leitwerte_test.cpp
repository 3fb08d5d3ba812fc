#include "tools/leitwerte.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "conductivity/stofftabelle.h"

namespace fluvan::tools {
namespace {

Leitwerttabelle lies(const std::string& tsv) {
    std::istringstream ein(tsv);
    return leseLeitwerttabelle(ein);
}

const std::string Kopf = "CAS\tChemical\tT\tConductivity\n";

// Digit for digit, as the table writes them; binary floating point would give
// 0.060000000000000005 for the first.
TEST(Leitwerte, UmrechnungInDezimalMitDenZiffernDerTabelle) {
    struct Fall {
        const char* siemensProMeter;
        const char* mikrosiemensProZentimeter;
    };
    for (const Fall& f : {Fall{"6E-06", "0.06"}, Fall{"0.000006", "0.06"}, Fall{"4E-016", "0.000000000004"},
                          Fall{"7.8E-016", "0.0000000000078"}, Fall{"1.3E-011", "0.00000013"},
                          Fall{"0.000000135", "0.00135"}, Fall{"0.0000064", "0.064"}, Fall{"1", "10000"},
                          Fall{"1062960", "10629600000"}, Fall{"2E+3", "20000000"}, Fall{"0.00", "0"}}) {
        SCOPED_TRACE(f.siemensProMeter);
        const auto zahl = leseDezimalzahl(f.siemensProMeter);
        ASSERT_TRUE(zahl.has_value());
        EXPECT_EQ(dezimalText(siemensProMeterInMikrosiemensProZentimeter(*zahl)), f.mikrosiemensProZentimeter);
    }
    struct Temperatur {
        const char* kelvin;
        const char* celsius;
    };
    for (const Temperatur& t : {Temperatur{"298.15", "25"}, Temperatur{"273.15", "0"}, Temperatur{"213.6", "-59.55"},
                                Temperatur{"290.35", "17.2"}, Temperatur{"177.15", "-96"},
                                Temperatur{"239.65", "-33.5"}, Temperatur{"506.15", "233"}, Temperatur{"0", "-273.15"},
                                Temperatur{"1E3", "726.85"}, Temperatur{"273.1500001", "0.0000001"}}) {
        SCOPED_TRACE(t.kelvin);
        const auto zahl = leseDezimalzahl(t.kelvin);
        ASSERT_TRUE(zahl.has_value());
        const auto celsius = kelvinInCelsius(*zahl);
        ASSERT_TRUE(celsius.has_value());
        EXPECT_EQ(dezimalText(*celsius), t.celsius);
    }
}

TEST(Leitwerte, NurZahlenWieDieTabelleSieSchreibt) {
    for (const char* keine : {"", ".", "-1", "+1", "1,5", "25 ", " 25", "1E", "1E-", "E5", "1.2.3", "0x10", "1e999",
                              "123456789012345678", "25 K", "n/a"})
        EXPECT_FALSE(leseDezimalzahl(keine).has_value()) << '"' << keine << '"';
    // Leading zeros are no digits of the value.
    EXPECT_EQ(dezimalText(*leseDezimalzahl("000000000000000000000012.5")), "12.5");
    EXPECT_EQ(dezimalText(*leseDezimalzahl("12345678901234567")), "12345678901234567");
}

TEST(Leitwerttabelle, LiestDieZeilenInDenEinheitenDesDokuments) {
    const Leitwerttabelle t = lies(Kopf +
                                   "67-64-1\tAcetone \t298.15\t0.000006\n"
                                   "71-43-2\tBenzene \t\t0.0000076\r\n"
                                   "7791-25-5\tSulfuryl chloride\t298.15\t0.000003\n");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].name, "Acetone");
    EXPECT_EQ(t[0].temperatur, "25");
    EXPECT_EQ(t[0].leitfaehigkeit, "0.06");
    EXPECT_EQ(t[1].name, "Benzene");
    EXPECT_EQ(t[1].temperatur, "") << "no temperature in the table, none in the document";
    EXPECT_EQ(t[1].leitfaehigkeit, "0.076");
    EXPECT_EQ(t[2].name, "Sulfuryl chloride") << "the one name without a trailing blank";
}

TEST(Leitwerttabelle, VerweigertWasKeineZeileDerTabelleIst) {
    struct Fall {
        const char* was;
        std::string tsv;
        const char* meldung;
    };
    for (const Fall& f : {
             Fall{"empty", "", "empty"},
             Fall{"another header", "CAS\tName\tT\tConductivity\n", "line 1"},
             Fall{"three columns", Kopf + "67-64-1\tAcetone \t298.15\n", "line 2"},
             Fall{"five columns", Kopf + "67-64-1\tAcetone \t298.15\t0.000006\tx\n", "line 2"},
             Fall{"no name", Kopf + "67-64-1\t \t298.15\t0.000006\n", "no name"},
             Fall{"a temperature with its unit", Kopf + "67-64-1\tAcetone \t298.15 K\t0.000006\n", "temperature"},
             Fall{"no conductivity", Kopf + "67-64-1\tAcetone \t298.15\t\n", "conductivity"},
             Fall{"a word for a conductivity", Kopf + "67-64-1\tAcetone \t298.15\tn/a\n", "conductivity"},
             Fall{"a blank line", Kopf + "67-64-1\tAcetone \t298.15\t0.000006\n\n", "line 3"},
             Fall{"one name twice", Kopf + "7732-18-5\tWater \t291.15\t0.000004\n7732-18-5\twater \t298.15\t0.000005\n",
                  "line 3"},
             Fall{"one name twice, a blank after its hyphen",
                  Kopf + "503-74-2\tIso-Valeric acid \t353.15\t4E-011\n503-74-2\tIso- Valeric acid \t353.15\t4E-011\n",
                  "line 3"},
         }) {
        SCOPED_TRACE(f.was);
        try {
            lies(f.tsv);
            ADD_FAILURE() << "read";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(f.meldung), std::string::npos) << e.what();
        }
    }
}

TEST(Leitwerte, WelcherStoffWelcheZeileNimmt) {
    const Leitwerttabelle t = lies(Kopf +
                                   "67-64-1\tAcetone \t298.15\t0.000006\n"
                                   "99-08-1\tm-Nitrotoluene \t298.15\t0.00002\n"
                                   "88-72-2\tO-Nitrotoluene \t298.15\t0.00002\n"
                                   "106-49-0\tp-Toluidine \t373.15\t0.0000062\n"
                                   "67-63-0\tiso-Propyl alcohol \t298.15\t0.00035\n"
                                   "74-88-4\tMethyl iodide \t298.15\t0.000002\n"
                                   "71-23-8\tn-Propyl alcohol \t298.15\t0.000002\n"
                                   "503-74-2\tIso-Valeric acid \t353.15\t4E-011\n"
                                   "7647-01-0\tHydrogen chloride \t177.15\t0.000001\n"
                                   "7791-25-5\tSulfuryl chloride\t298.15\t0.000003\n");
    struct Fall {
        const char* stoff;
        const char* zeile;  // nullptr: none
    };
    for (const Fall& f :
         {Fall{"Acetone", "Acetone"}, Fall{"ACETONE", "Acetone"}, Fall{"M- Nitrotoluene", "m-Nitrotoluene"},
          Fall{"m- Nitrotoluene", "m-Nitrotoluene"}, Fall{"O- Nitrotoluene", "O-Nitrotoluene"},
          Fall{"P- Toluidine", "p-Toluidine"}, Fall{"Iso- Valeric acid", "Iso-Valeric acid"},
          Fall{"Isopropanol", "iso-Propyl alcohol"}, Fall{"Isopropyl alcohol", "iso-Propyl alcohol"},
          Fall{"Methyl iodine", "Methyl iodide"}, Fall{"Hydrogen chloride", "Hydrogen chloride"},
          Fall{"Hydrochloric acid", nullptr}, Fall{"M- Propyl alcohol", nullptr}, Fall{"Iso -Valeric acid", nullptr},
          Fall{"IsoValeric acid", nullptr}, Fall{"Iso- Valericacid", nullptr}, Fall{"Sulfonyl chloride", nullptr},
          Fall{"Acetone ", nullptr}, Fall{"Methyl iodid", nullptr}, Fall{"", nullptr}}) {
        const Leitwert* w = leitwertDes(f.stoff, t);
        if (f.zeile) {
            ASSERT_NE(w, nullptr) << f.stoff;
            EXPECT_EQ(w->name, f.zeile) << f.stoff;
        } else {
            EXPECT_EQ(w, nullptr) << f.stoff << " takes " << w->name;
        }
    }
}

TEST(Leitwerte, JedeAndereSchreibweiseHatIhreZeile) {
    try {
        pruefeSchreibweisen(lies(Kopf + "74-88-4\tMethyl iodide \t298.15\t0.000002\n"));
        ADD_FAILURE() << "a table without Acetyl chloride passed";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Acetyl chloride"), std::string::npos) << e.what();
    }
}

// The shipped table: which of its rows the media of the list take.
TEST(Leitwerte, DieVersandteTabelle) {
    std::ifstream datei(FLUVAN_LEITWERTTABELLE, std::ios::binary);
    const Leitwerttabelle t = leseLeitwerttabelle(datei);
    ASSERT_EQ(t.size(), 124u);
    EXPECT_NO_THROW(pruefeSchreibweisen(t));
    std::set<std::string> genommen;
    std::size_t mitWert = 0;
    for (const conductivity::Stoff& s : conductivity::Stofftabelle) {
        if (const Leitwert* w = leitwertDes(s.Name, t)) {
            ++mitWert;
            genommen.insert(w->name);
        }
    }
    EXPECT_EQ(mitWert, 122u) << "\"Isopropanol\" and \"Isopropyl alcohol\" share a row";
    std::set<std::string> uebrig;
    for (const Leitwert& w : t)
        if (!genommen.count(w.name)) uebrig.insert(w.name);
    EXPECT_EQ(uebrig, (std::set<std::string>{"Sulfuryl chloride", "n-Propyl alcohol", "n-Propyl bromide"}));
}

}  // namespace
}  // namespace fluvan::tools
