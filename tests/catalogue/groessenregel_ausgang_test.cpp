// The outcome of every size rule for every size of the size list, and for
// sizes off the list, from the pure evaluation of a row.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/zahlen.h"
#include "catalogue/groessenregel.h"
#include "catalogue/groessenregeln.h"

namespace fluvan::catalogue {

using namespace parameters;
namespace {

// The 57 sizes of the size list, in list order.
std::vector<double> Nennweitenliste() {
    std::vector<double> liste{2.5, 4, 6, 10, 15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150};
    for (int dn = 200; dn <= 1500; dn += 50) liste.push_back(dn);
    for (int dn = 1600; dn <= 3000; dn += 100) liste.push_back(dn);
    return liste;
}

// The outcome per size of each model: groups "sizes outcome" separated by ";",
// sizes separated by ",", "a-b" for every list size from a to b.
// clang-format off
const std::vector<std::pair<std::string_view, std::string_view>> Ausgaenge = {
    {"Brisal11", "2.5-6 Bereichsmeldung; 10-600 BerechnenBris11klein; 650-1000 BerechnenBris11gross;"
                 "1050-3000 Bereichsmeldung"},
    {"Brisal12", "2.5-6 Bereichsmeldung; 10-1600 BerechnenBris12; 1700-3000 Bereichsmeldung"},
    {"Brisal13", "2.5-6 Bereichsmeldung; 10-1600 BerechnenBris13; 1700-3000 Bereichsmeldung"},
    {"Brisal14", "2.5-6 Bereichsmeldung; 10-3000 BerechnenBris14"},
    // TKD 21 to 24 compute DN 40 although their texts exclude it.
    {"TKD21", "2.5-6 Kombimeldung; 10, 15, 25, 40, 50, 80, 100, 150 BerechnenTKD21;"
              "20, 32, 65, 125 Ausschlussmeldung; 200-3000 Kombimeldung"},
    {"TKD22", "2.5-6 Kombimeldung; 10, 15, 25, 40, 50, 80, 100, 150 BerechnenTKD22;"
              "20, 32, 65, 125 Ausschlussmeldung; 200-3000 Kombimeldung"},
    {"TKD23", "2.5-6 Kombimeldung; 10, 15, 25, 40, 50, 80, 100, 150 BerechnenTKD23;"
              "20, 32, 65, 125 Ausschlussmeldung; 200-3000 Kombimeldung"},
    // DN 125 shows the Ausschlussmeldung, although the Ausschlusszeile does not name it.
    {"TKD24", "2.5-6 Kombimeldung; 10, 15, 25, 40, 50, 80, 100, 150 BerechnenTKD24;"
              "20, 32, 65, 125 Ausschlussmeldung; 200-3000 Kombimeldung"},
    {"TKD34", "2.5-125 Bereichsmeldung; 150-250 BerechnenTKD34; 300-3000 Bereichsmeldung"},
    {"TKD35", "2.5-125 Bereichsmeldung; 150-250 BerechnenTKD35; 300-3000 Bereichsmeldung"},
    {"TKD51", "2.5-6 Bereichsmeldung; 10-600 BerechnenTKD51klein; 650-1000 BerechnenTKD51gross;"
              "1050-3000 Bereichsmeldung"},
    {"TKD52", "2.5-6 Bereichsmeldung; 10-1600 BerechnenTKD52; 1700-3000 Bereichsmeldung"},
    // DN 40 is excluded, as the texts of TKD 56 say.
    {"TKD56", "2.5-6 Kombimeldung; 10, 15, 25, 50, 80, 100, 150 BerechnenTKD56;"
              "20, 32, 40, 65, 125 Ausschlussmeldung; 200-3000 Kombimeldung"},
    {"TKD53", "2.5-6 Bereichsmeldung; 10-1600 BerechnenTKD53; 1700-3000 Bereichsmeldung"},
    {"TKD54", "2.5-6 Bereichsmeldung; 10-2000 BerechnenTKD54; 2100-3000 Bereichsmeldung"},
    // DN 2000 belongs to the first range.
    {"TKD55", "2.5-40 Bereichsmeldung; 50-2000 BerechnenTKD55klein; 2100-3000 BerechnenTKD55gross"},
    {"TKD61", "2.5-6 BerechnenTKD61klein; 10, 15, 25, 40, 50, 80, 100 BerechnenTKD61gross;"
              "20, 32, 65 Ausschlussmeldung; 125-3000 Bereichsmeldung"},
    {"TKD62", "2.5-6 BerechnenTKD62klein; 10, 15, 25, 40, 50, 80, 100 BerechnenTKD62gross;"
              "20, 32, 65 Ausschlussmeldung; 125-3000 Bereichsmeldung"},
    {"TKD63", "2.5-6 BerechnenTKD63klein; 10, 15, 25, 40, 50, 80, 100 BerechnenTKD63gross;"
              "20, 32, 65 Ausschlussmeldung; 125-3000 Kombimeldung"},
    {"TKD63CAP", "25, 40, 50, 80, 100 BerechnenTKD63CAP; 32, 65 Ausschlussmeldung; 2.5-20, 125-3000 Kombimeldung"},
    {"TKD64", "2.5-6 BerechnenTKD64klein; 10, 15, 25, 40, 50, 80, 100 BerechnenTKD64gross;"
              "20, 32, 65 Ausschlussmeldung; 125-3000 Kombimeldung"},
    // DN 2.5 to 6 hold for the second and the third test; the second decides.
    {"TKD71", "10, 15, 25, 40-150 BerechnenTKD71; 2.5-6, 20, 32 Ausschlussmeldung; 200-3000 Kombimeldung"},
    // DN 20 falls to the last line: the Kombimeldung.
    {"TKD72", "2.5, 4 BerechnenTKD72klein; 6 BerechnenTKD72mittel; 10, 15, 25, 40-150 BerechnenTKD72gross;"
              "32 Ausschlussmeldung; 20, 200-3000 Kombimeldung"},
    {"TKD73", "2.5, 4 BerechnenTKD73klein; 6 BerechnenTKD73mittel; 10, 15, 25, 40-150 BerechnenTKD73gross;"
              "32 Ausschlussmeldung; 20, 200-3000 Kombimeldung"},
    {"TKD74", "2.5-6 BerechnenTKD74klein; 10, 15, 25, 40-150 BerechnenTKD74gross; 32 Ausschlussmeldung;"
              "20, 200-3000 Kombimeldung"},
    {"Velt210", "10, 15, 25, 40, 50, 80, 100, 150 BerechnenVelt210; 20, 32, 65, 125 Ausschlussmeldung;"
                "2.5-6, 200-3000 Kombimeldung"},
    {"Velt310", "25-1000 BerechnenVelt310; 2.5-20, 1050-3000 Bereichsmeldung"},
    {"Velt510", "10-1000 BerechnenVelt510; 2.5-6, 1050-3000 Bereichsmeldung"},
    {"Velt610", "4, 6 BerechnenVelt610klein; 10, 15, 25, 40, 50, 80, 100 BerechnenVelt610;"
                "2.5, 20, 32, 65 Ausschlussmeldung; 125-3000 Bereichsmeldung"},
    {"Velt710", "10, 15, 25, 40-150 BerechnenVelt710; 2.5-6, 20, 32, 200-3000 Kombimeldung"},
    {"Velt230", "10, 15, 25, 40, 50, 80, 100, 150 BerechnenVelt230; 20, 32, 65, 125 Ausschlussmeldung;"
                "2.5-6, 200-3000 Kombimeldung"},
    {"Velt330", "25-1600 BerechnenVelt330; 1700-3000 BerechnenVelt330gross; 2.5-20 Bereichsmeldung"},
    // DN 10 and 15 show the Ausschlussmeldung, though below the range of 20 to 150.
    {"Velt550C", "20, 25, 50-150 BerechnenVelt550C; 10, 15, 32, 40 Ausschlussmeldung; 2.5-6, 200-3000 Kombimeldung"},
    // DN 2.5 to 6 hold for the second and the third test; the second decides.
    {"Velt530", "2.5-6, 1700-3000 BerechnenVelt530gross; 10-1600 BerechnenVelt530"},
    {"Velt630", "2.5-6 BerechnenVelt630klein; 10, 15, 25, 40, 50, 80, 100, 150-250 BerechnenVelt630;"
                "20, 32, 65, 125, 300-3000 Kombimeldung"},
    {"Velt730", "2.5-6 BerechnenVelt730klein; 10, 15, 25, 40-150 BerechnenVelt730; 20, 32, 200-3000 Kombimeldung"},
    {"Velt830C", "25, 40, 50, 80, 100 BerechnenVelt830C; 2.5-20, 32, 65, 125-3000 Kombimeldung"},
    {"Veltrum340", "50-500, 600 BerechnenVeltrum340; 2.5-40, 550, 650-3000 Kombimeldung"},
    {"Veltrum220", "10, 15, 25, 40, 50, 80, 100, 150 BerechnenVeltrum220;"
                   "2.5-6, 20, 32, 65, 125, 200-3000 Kombimeldung"},
    {"Veltrum320", "25-1200 BerechnenVeltrum320; 2.5-20, 1250-3000 Bereichsmeldung"},
    {"Veltrum520", "10-1600 BerechnenVeltrum520; 2.5-6, 1700-3000 Bereichsmeldung"},
    {"Veltrum620", "4, 6 BerechnenVeltrum620klein; 10, 15, 25, 40, 50, 80, 100, 150-250 BerechnenVeltrum620;"
                   "2.5, 20, 32, 65, 125, 300-3000 Kombimeldung"},
    // DN 6 is rejected and DN 10 computes, though the Ausschlusszeile names 10 and not 6.
    {"Veltrum720", "10, 15, 25, 40-150 BerechnenVeltrum720; 2.5-6, 20, 32, 200-3000 Kombimeldung"},
    {"RSN70", "25-3000 BerechnenRSN70; 2.5-20 Bereichsmeldung"},
    {"RSN70HT", "25-300 BerechnenRSN70HT; 2.5-20, 350-3000 Bereichsmeldung"},
    {"RSN70HP", "25-80 BerechnenRSN70HP; 2.5-20, 100-3000 Bereichsmeldung"},
    {"RSN90", "25-3000 BerechnenRSN90; 2.5-20 Bereichsmeldung"},
};
// clang-format on

std::string_view trimmen(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

double zahl(std::string_view s) {
    s = trimmen(s);
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), wert);
    if (fehler != std::errc() || ende != s.data() + s.size()) ADD_FAILURE() << "keine Zahl: " << s;
    return wert;
}

Ausgang ausgangAus(std::string_view wort) {
    if (wort == "nichts") return nichts;
    if (wort == "Bereichsmeldung") return Ablehnung::Bereichsmeldung;
    if (wort == "Ausschlussmeldung") return Ablehnung::Ausschlussmeldung;
    if (wort == "Kombimeldung") return Ablehnung::Kombimeldung;
    const auto satz = std::find(Satznamen.begin(), Satznamen.end(), wort);
    if (satz == Satznamen.end()) ADD_FAILURE() << "unbekannter Ausgang: " << wort;
    return static_cast<Satzname>(satz - Satznamen.begin());
}

Pruefname pruefnameAus(std::string_view wort) {
    const auto p = std::find(Pruefnamen.begin(), Pruefnamen.end(), wort);
    if (p == Pruefnamen.end()) ADD_FAILURE() << "unbekannte Groessenpruefung: " << wort;
    return static_cast<Pruefname>(p - Pruefnamen.begin());
}

// Every list size of one model with its outcome; each size exactly once.
std::map<double, Ausgang> zeileLesen(std::string_view zeile) {
    const std::vector<double> liste = Nennweitenliste();
    std::map<double, Ausgang> ergebnis;
    while (!zeile.empty()) {
        const auto semikolon = zeile.find(';');
        const std::string_view gruppe = trimmen(zeile.substr(0, semikolon));
        zeile = semikolon == std::string_view::npos ? std::string_view{} : zeile.substr(semikolon + 1);
        const auto blank = gruppe.rfind(' ');
        const Ausgang ausgang = ausgangAus(gruppe.substr(blank + 1));
        std::string_view groessen = gruppe.substr(0, blank);
        while (!groessen.empty()) {
            const auto komma = groessen.find(',');
            const std::string_view teil = groessen.substr(0, komma);
            groessen = komma == std::string_view::npos ? std::string_view{} : groessen.substr(komma + 1);
            const auto strich = teil.find('-');
            const double von = zahl(teil.substr(0, strich));
            const double bis = strich == std::string_view::npos ? von : zahl(teil.substr(strich + 1));
            EXPECT_NE(std::find(liste.begin(), liste.end(), von), liste.end()) << von;
            EXPECT_NE(std::find(liste.begin(), liste.end(), bis), liste.end()) << bis;
            for (double dn : liste) {
                if (dn >= von && dn <= bis) {
                    EXPECT_TRUE(ergebnis.emplace(dn, ausgang).second) << "doppelt: " << dn;
                }
            }
        }
    }
    EXPECT_EQ(ergebnis.size(), liste.size()) << zeile;
    return ergebnis;
}

std::string text(const Ausgang& a) {
    if (const Satzname* s = std::get_if<Satzname>(&a)) return std::string(name(*s));
    if (const Ablehnung* m = std::get_if<Ablehnung>(&a)) {
        switch (*m) {
            case Ablehnung::Bereichsmeldung: return "Bereichsmeldung";
            case Ablehnung::Ausschlussmeldung: return "Ausschlussmeldung";
            case Ablehnung::Kombimeldung: return "Kombimeldung";
        }
    }
    return "nichts";
}

// The size text as the size list writes it.
std::string nennweiteText(double dn, const std::string& trenner) {
    return dn == 2.5 ? "2" + trenner + "5" : std::to_string(static_cast<int>(dn));
}

class AusgangJeTrenner : public ::testing::TestWithParam<std::string> {};

TEST_P(AusgangJeTrenner, AlleModelleAlleNennweiten) {
    const std::string trenner = GetParam();
    ASSERT_EQ(Ausgaenge.size(), Pruefnamen.size());
    std::size_t zeilen = 0;
    std::map<std::string_view, int> modelle;
    for (const auto& [modell, zeile] : Ausgaenge) {
        SCOPED_TRACE(modell);
        ++modelle[modell];
        const Groessenregel& regel = regelFuer(pruefnameAus(modell));
        for (const auto& [dn, erwartet] : zeileLesen(zeile)) {
            const std::string nennweite = nennweiteText(dn, trenner);
            EXPECT_EQ(text(auswerten(regel, nennweite, trenner)), text(erwartet)) << "DN " << nennweite;
            ++zeilen;
        }
    }
    EXPECT_EQ(modelle.size(), Pruefnamen.size());
    EXPECT_EQ(zeilen, 2679u);
}

INSTANTIATE_TEST_SUITE_P(Dezimaltrenner, AusgangJeTrenner, ::testing::Values(",", "."),
                         [](const auto& info) { return std::string(info.param == "," ? "Komma" : "Punkt"); });

TEST(Groessenregel, JederNameFindetSeineZeile) {
    for (std::size_t i = 0; i < Pruefnamen.size(); ++i) {
        SCOPED_TRACE(Pruefnamen[i]);
        EXPECT_EQ(regelFuer(static_cast<Pruefname>(i)).name, static_cast<Pruefname>(i));
    }
}

// Sizes off the list: the tests of the row decide, not a table of list sizes.
struct Ausserhalb {
    std::string_view modell;
    std::string_view nennweite;
    std::string_view erwartet;
};

TEST(Groessenregel, NennweitenAusserhalbDerListe) {
    // clang-format off
    const Ausserhalb faelle[] = {
        // Between the two ranges of Brisal 11 and TKD 51: no test holds.
        {"Brisal11", "620", "nichts"},
        {"TKD51", "620", "Bereichsmeldung"},
        {"Brisal14", "620", "BerechnenBris14"},
        {"TKD55", "620", "BerechnenTKD55klein"},
        {"TKD21", "620", "Kombimeldung"},
        {"Veltrum340", "620", "Kombimeldung"},
        {"Velt530", "620", "BerechnenVelt530"},
        {"Veltrum320", "620", "BerechnenVeltrum320"},
        {"RSN70HT", "620", "Bereichsmeldung"},
        // Below every range: Veltrum 530 shows the one text no list size reaches;
        // Veltrum 630 and 730 have no lower bound.
        {"Brisal11", "1", "Bereichsmeldung"},
        {"TKD61", "1", "Bereichsmeldung"},
        {"TKD71", "1", "Ausschlussmeldung"},
        {"TKD72", "1", "Kombimeldung"},
        {"Velt530", "1", "Bereichsmeldung"},
        {"Velt330", "1", "Bereichsmeldung"},
        {"Velt630", "1", "nichts"},
        {"Velt730", "1", "nichts"},
        {"Veltrum620", "1", "nichts"},
        {"Veltrum720", "1", "nichts"},
        {"Veltrum520", "1", "Bereichsmeldung"},
        // Above every range.
        {"Brisal14", "3500", "Bereichsmeldung"},
        {"TKD55", "3500", "Bereichsmeldung"},
        {"Velt330", "3500", "BerechnenVelt330gross"},
        {"Velt530", "3500", "BerechnenVelt530gross"},
        {"Velt630", "3500", "Kombimeldung"},
        {"TKD61", "3500", "Bereichsmeldung"},
        {"RSN90", "3500", "Bereichsmeldung"},
        {"Veltrum520", "3500", "Bereichsmeldung"},
        // A list test matches only its exact size.
        {"TKD21", "45", "nichts"},
        {"TKD56", "45", "nichts"},
        {"TKD61", "45", "Bereichsmeldung"},
        {"Veltrum220", "45", "Kombimeldung"},
        {"TKD21", "40,5", "nichts"},
        {"TKD61", "6,5", "Bereichsmeldung"},
        {"TKD61", "5", "BerechnenTKD61klein"},
        // The second range of TKD 55 excludes its lower bound only.
        {"TKD55", "2000,5", "BerechnenTKD55gross"},
    };
    // clang-format on
    for (const Ausserhalb& f : faelle) {
        SCOPED_TRACE(::testing::Message() << f.modell << " DN " << f.nennweite);
        EXPECT_EQ(text(auswerten(regelFuer(pruefnameAus(f.modell)), f.nennweite, ",")), f.erwartet);
    }
}

TEST(Groessenregel, KeineZahlIstEinRechenfehler) {
    for (const std::string_view text : {"", "abc", "2.5", "10 mm"}) {
        SCOPED_TRACE(::testing::Message() << '"' << text << '"');
        EXPECT_THROW(auswerten(regelFuer(Pruefname::Veltrum220), text, ","), base::Rechenfehler);
    }
}

}  // namespace
}  // namespace fluvan::catalogue
