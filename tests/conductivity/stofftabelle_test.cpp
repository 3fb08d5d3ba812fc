#include "conductivity/stofftabelle.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace fluvan::conductivity {
namespace {

TEST(Stofftabelle, ZeilenWieDieListeSieZeigt) {
    ASSERT_EQ(Stofftabelle.size(), 344u);
    struct Fall {
        std::size_t zeile;
        std::string_view listentext, name;
    };
    for (const Fall& f :
         {Fall{0, " Acetaldehyde", "Acetaldehyde"}, Fall{5, " Acetophenone", "Acetophenone"},
          Fall{6, " Acetonitrile", "Acetonitrile"}, Fall{100, " Coca- Cola syrup©", "Coca- Cola syrup©"},
          Fall{107, " Cream chees  mix", "Cream chees mix"}, Fall{204, " M- Creosol", "M- Creosol"},
          Fall{309, " Sodium phosphate (tri- basic)", "Sodium phosphate (tri- basic)"},
          Fall{343, " Zinc sulphate", "Zinc sulphate"}}) {
        EXPECT_EQ(Stofftabelle[f.zeile].Listentext, f.listentext) << f.zeile;
        EXPECT_EQ(Stofftabelle[f.zeile].Name, f.name) << f.zeile;
    }
    std::set<std::string_view> namen;
    for (const Stoff& s : Stofftabelle) {
        EXPECT_TRUE(namen.insert(s.Name).second) << s.Name;
        EXPECT_NE(s.Name.front(), ' ') << s.Name;
    }
}

TEST(Stofftabelle, FindetNurDenGenauenNamen) {
    EXPECT_EQ(findeStoff("Cream chees mix"), &Stofftabelle[107]);
    EXPECT_EQ(findeStoff("Coca- Cola syrup©"), &Stofftabelle[100]);
    for (const char* fremd : {"Cream chees  mix", " Acetaldehyde", "acetaldehyde", "Coca- Cola syrup", ""})
        EXPECT_EQ(findeStoff(fremd), nullptr) << fremd;
}

TEST(Stofftabelle, MarkenDerBezeichnendenZeilen) {
    struct Fall {
        std::string_view name, anfang, ende;
    };
    for (const Fall& f : {Fall{"Acetaldehyde", "Aaa", "Aab"},
                          Fall{"Acetic anhydride", "Aad", "Aae"},
                          Fall{"Acetone", "Aaf", "Aag"},
                          Fall{"Asphalt emulsion", "Abr", "Axx"},
                          Fall{"Barium chloride", "Baa", "Bab"},
                          Fall{"Cream chees mix", "Cbs", "Cbt"},
                          Fall{"Cymene", "Cby", "Cxx"},
                          Fall{"Kerosene", "Kaa", "Kxx"},
                          Fall{"O- Nitrotoluene", "Oag", "Oah"},
                          Fall{"M- Nitrotoluene", "Oah", "Oai"},
                          Fall{"M- Chloroaniline", "Oai", "Oaj"},
                          Fall{"O- Toluidine", "Oaj", "Oak"},
                          Fall{"Oxygen", "Oal", "Oxx"},
                          Fall{"M- Cresol", "Mau", "Mav"},
                          Fall{"M- Propyl bromide", "Maw", "Mxx"},
                          Fall{"Propionic acid", "Pbm", "Pbn"},
                          Fall{"Propionitrile", "Pbn", "Pbo"},
                          Fall{"Pyridine", "Pbr", "Pxx"},
                          Fall{"Propionaldehyde", "Pca", "Pxx"},
                          Fall{"Xylene", "Xaa", "Xxx"},
                          Fall{"Zinc sulphate", "Zac", "Zxx"}}) {
        const Stoff* s = findeStoff(f.name);
        ASSERT_NE(s, nullptr) << f.name;
        EXPECT_EQ(s->Anfangsmarke.text(), f.anfang) << f.name;
        EXPECT_EQ(s->Endmarke.text(), f.ende) << f.name;
    }
}

// Every section counts its places from "aa" without a gap, and each row ends
// where the next begins, the last at the section's closing marker; only "A"
// (no row at "Aae") and "P" (nothing between "Pbr" and "Pca", "Pyridine" to
// "Pxx") depart from that.
TEST(Stofftabelle, AbschnitteUndIhreAbweichungen) {
    std::map<char, std::vector<const Stoff*>> abschnitte;
    for (const Stoff& s : Stofftabelle) abschnitte[s.Anfangsmarke.zeichen[0]].push_back(&s);

    std::string buchstaben;
    int summe = 0;
    for (const Abschnitt& a : Abschnitte) {
        buchstaben += a.buchstabe;
        summe += a.zeilen;
        EXPECT_EQ(abschnitte[a.buchstabe].size(), static_cast<std::size_t>(a.zeilen)) << a.buchstabe;
    }
    EXPECT_EQ(buchstaben, "ABCDEFGHIKLMNOPQRSTUVWXZ");
    EXPECT_EQ(summe, 344);
    EXPECT_EQ(abschnitte.size(), 24u);

    std::set<std::string_view> anfaenge;
    for (auto& [buchstabe, zeilen] : abschnitte) {
        std::sort(zeilen.begin(), zeilen.end(),
                  [](const Stoff* a, const Stoff* b) { return a->Anfangsmarke.text() < b->Anfangsmarke.text(); });
        const auto zaehlung = [](int k) {
            return std::string{static_cast<char>('a' + k / 26), static_cast<char>('a' + k % 26)};
        };
        int zaehler = 0;
        for (std::size_t i = 0; i < zeilen.size(); ++i, ++zaehler) {
            const Stoff& s = *zeilen[i];
            if (s.Anfangsmarke.text() == "Aaf") ++zaehler;     // "Aae" opens no passage
            if (s.Anfangsmarke.text() == "Pca") zaehler = 52;  // nothing from "Pbs" to "Pbz"
            EXPECT_EQ(s.Anfangsmarke.text(), std::string(1, buchstabe) + zaehlung(zaehler)) << s.Name;
            EXPECT_TRUE(anfaenge.insert(s.Anfangsmarke.text()).second) << s.Name;
            const bool letzter = i + 1 == zeilen.size();
            std::string ende = letzter ? "xx" : std::string(zeilen[i + 1]->Anfangsmarke.text().substr(1));
            if (s.Name == "Acetic anhydride") ende = "ae";
            if (s.Name == "Pyridine") ende = "xx";
            EXPECT_EQ(s.Endmarke.text(), std::string(1, buchstabe) + ende) << s.Name;
        }
    }
    EXPECT_EQ(anfaenge.count("Aae"), 0u);
}

}  // namespace
}  // namespace fluvan::conductivity
