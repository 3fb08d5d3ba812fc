#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "vergleich.h"

namespace fluvan::test {
namespace {

using enum Satzname;
constexpr float unendlich = std::numeric_limits<float>::infinity();

enum class Ausgang { Rechnet, ZuHoch, ZuKlein };

struct Grenzfall {
    Satzname satz;
    float geschwindigkeit;
    Ausgang ausgang;
};

void PrintTo(const Grenzfall& f, std::ostream* os) { *os << name(f.satz) << " at " << f.geschwindigkeit << " m/s"; }

class Geschwindigkeitsgrenze : public ::testing::TestWithParam<Grenzfall> {};

TEST_P(Geschwindigkeitsgrenze, BeideGrenzenGehoerenZumBereich) {
    const Grenzfall& f = GetParam();
    Satzlauf lauf(f.geschwindigkeit);
    lauf.rechne(f.satz);
    const auto& boxen = lauf.k.meldungen.gezeigt;
    switch (f.ausgang) {
        case Ausgang::Rechnet:
            EXPECT_TRUE(boxen.empty());
            EXPECT_EQ(lauf.k.anzeige.gezeigt, 1);
            break;
        case Ausgang::ZuHoch:
        case Ausgang::ZuKlein:
            ASSERT_EQ(boxen.size(), 1u);
            EXPECT_EQ(boxen[0].prompt.rfind(f.ausgang == Ausgang::ZuHoch ? "Endwert zu hoch!" : "Endwert zu klein!", 0),
                      0u)
                << boxen[0].prompt;
            EXPECT_EQ(lauf.k.anzeige.gezeigt, 0);
            break;
    }
}

std::string grenzname(const ::testing::TestParamInfo<Grenzfall>& info) {
    const Grenzfall& f = info.param;
    const char* ausgang = f.ausgang == Ausgang::Rechnet  ? "Rechnet"
                          : f.ausgang == Ausgang::ZuHoch ? "ZuHoch"
                                                         : "ZuKlein";
    return namensteil(f.satz) + "_" + namensteil(f.geschwindigkeit) + "_" + ausgang;
}

INSTANTIATE_TEST_SUITE_P(Grenzen, Geschwindigkeitsgrenze,
                         ::testing::Values(Grenzfall{BerechnenVeltrum220, 12.0f, Ausgang::Rechnet},
                                           Grenzfall{BerechnenVeltrum220, std::nextafter(12.0f, unendlich),
                                                     Ausgang::ZuHoch},
                                           Grenzfall{BerechnenVeltrum220, 0.3f, Ausgang::Rechnet},
                                           Grenzfall{BerechnenVeltrum220, std::nextafter(0.3f, 0.0f), Ausgang::ZuKlein},
                                           Grenzfall{BerechnenTKD22, 0.3f, Ausgang::Rechnet},
                                           Grenzfall{BerechnenTKD22, std::nextafter(0.3f, 0.0f), Ausgang::ZuKlein},
                                           Grenzfall{BerechnenRSN70, 20.0f, Ausgang::Rechnet},
                                           Grenzfall{BerechnenRSN70, std::nextafter(20.0f, unendlich), Ausgang::ZuHoch},
                                           Grenzfall{BerechnenRSN70HT, 0.5f, Ausgang::Rechnet},
                                           Grenzfall{BerechnenRSN70HT, std::nextafter(0.5f, 0.0f), Ausgang::ZuKlein},
                                           // The RSN range is not the Veltrum one.
                                           Grenzfall{BerechnenVelt210, 15.0f, Ausgang::ZuHoch},
                                           Grenzfall{BerechnenRSN70HT, 15.0f, Ausgang::Rechnet},
                                           Grenzfall{BerechnenRSN70HT, 0.4f, Ausgang::ZuKlein},
                                           Grenzfall{BerechnenVeltrum220, 0.4f, Ausgang::Rechnet},
                                           // Far outside: still one box each.
                                           Grenzfall{BerechnenTKD74gross, 1e30f, Ausgang::ZuHoch},
                                           Grenzfall{BerechnenTKD74gross, 0.0f, Ausgang::ZuKlein}),
                         grenzname);

// The text: message, CR LF, "v =", the rounded velocity with the regional
// separator, "m/sec", no blanks.
struct Textfall {
    std::string sprache;
    std::string trenner;
    Satzname satz;
    float geschwindigkeit;
    std::string text;
};

void PrintTo(const Textfall& f, std::ostream* os) {
    *os << f.sprache << " " << name(f.satz) << " at " << f.geschwindigkeit;
}

class Warntext : public ::testing::TestWithParam<Textfall> {};

TEST_P(Warntext, ZeigtMeldungUndGerundeteGeschwindigkeit) {
    const Textfall& f = GetParam();
    Satzlauf lauf(f.geschwindigkeit, f.trenner);
    lauf.k.v.Sprache = f.sprache;
    lauf.rechne(f.satz);
    ASSERT_EQ(lauf.k.meldungen.gezeigt.size(), 1u);
    EXPECT_EQ(lauf.k.meldungen.gezeigt[0], (Meldung{f.text, base::MeldungsStil::Ausruf}));
}

std::string textname(const ::testing::TestParamInfo<Textfall>& info) {
    const Textfall& f = info.param;
    return f.sprache + "_" + namensteil(f.satz) + (f.trenner == "," ? "_Komma_" : "_Punkt_") +
           namensteil(f.geschwindigkeit);
}

INSTANTIATE_TEST_SUITE_P(
    Texte, Warntext,
    ::testing::Values(
        // Above 12 although its three-decimal value is 12.
        Textfall{"D", ",", BerechnenTKD22, std::nextafter(12.0f, unendlich), "Endwert zu hoch!\r\nv =12m/sec"},
        // The text shows the rounded value, not the stored one.
        Textfall{"D", ",", BerechnenVeltrum220, 12.3456f, "Endwert zu hoch!\r\nv =12,346m/sec"},
        Textfall{"GB", ".", BerechnenVeltrum220, 12.3456f, "Max. value too high!\r\nv =12.346m/sec"},
        Textfall{"F", ",", BerechnenBris12, 12.3456f, "Valeur fin d'échelle trop élevée!\r\nv =12,346m/sec"},
        Textfall{"E", ".", BerechnenRSN90, 25.5f, "Valor final muy alto!\r\nv =25.5m/sec"},
        // Below 0.3 although its three-decimal value is 0.3.
        Textfall{"E", ",", BerechnenVelt730, std::nextafter(0.3f, 0.0f), "Valor final muy pequeño!\r\nv =0,3m/sec"},
        Textfall{"E", ".", BerechnenVelt730, std::nextafter(0.3f, 0.0f), "Valor final muy pequeño!\r\nv =0.3m/sec"},
        Textfall{"F", ",", BerechnenRSN70HP, 0.4999f, "Valeur fin d'échelle trop faible!\r\nv =0,5m/sec"},
        Textfall{"GB", ",", BerechnenTKD35, 0.1234f, "Max. value too low!\r\nv =0,123m/sec"},
        Textfall{"D", ".", BerechnenTKD35, 0.0001f, "Endwert zu klein!\r\nv =0m/sec"}),
    textname);

// After a warning: the new record, nothing else touched, no sheet.
TEST(Geschwindigkeitspruefung, NachWarnungStehtNurDerNeueDatensatz) {
    Satzlauf lauf(2.0f);
    lauf.rechne(BerechnenVeltrum220);
    ASSERT_EQ(lauf.k.anzeige.gezeigt, 1);
    const base::Variable vorher = lauf.k.v;

    lauf.k.v.Endgeschwindigkeit = 15.0f;
    lauf.k.v.EndgeschwindigkeitGerundet = 15.0f;
    lauf.rechne(BerechnenTKD72klein);

    ASSERT_EQ(lauf.k.meldungen.gezeigt.size(), 1u);
    EXPECT_EQ(lauf.k.anzeige.gezeigt, 1);
    erwarteRecord(lauf.k.v, erwartung(BerechnenTKD72klein));
    EXPECT_EQ(lauf.k.v.Endgeschwindigkeit, 15.0f);
    EXPECT_EQ(lauf.k.v.EndgeschwindigkeitGerundet, 15.0f);
    EXPECT_EQ(lauf.k.v.Durchfluss.punkt, vorher.Durchfluss.punkt);
    EXPECT_EQ(lauf.k.v.Geschwindigkeit.punkt, vorher.Geschwindigkeit.punkt);
    EXPECT_EQ(lauf.k.v.Fehler.punkt, vorher.Fehler.punkt);
    EXPECT_EQ(lauf.k.v.Druckabfall.punkt, vorher.Druckabfall.punkt);
}

}  // namespace
}  // namespace fluvan::test
