#include "catalogue/laengentabelle.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "catalogue/listen.h"

namespace fluvan::catalogue {
namespace {

TEST(Laengentabelle, ZeilenProBaureihe) {
    // Row counts per series, and a few rows with their neighbours missing.
    const double groessen[] = {2.5,  4,    6,    10,   15,   20,   25,   32,   40,   50,   65,   80,   100,  125,  150,
                               200,  250,  300,  350,  400,  450,  500,  550,  600,  650,  700,  750,  800,  850,  900,
                               950,  1000, 1050, 1100, 1150, 1200, 1250, 1300, 1350, 1400, 1450, 1500, 1600, 1700, 1800,
                               1900, 2000, 2100, 2200, 2300, 2400, 2500, 2600, 2700, 2800, 2900, 3000};
    const int zeilen[] = {51, 8, 13, 47, 13, 36, 15};
    int summe = 0;
    for (int reihe = 1; reihe <= 7; ++reihe) {
        SCOPED_TRACE(::testing::Message() << "Baureihe " << reihe);
        int n = 0;
        for (double dn : groessen) n += Laengentabelle(reihe, dn).has_value();
        EXPECT_EQ(n, zeilen[reihe - 1]);
        summe += n;
    }
    EXPECT_EQ(summe, 183);
    EXPECT_EQ(Laengentabelle(6, 950), 1000);
    EXPECT_EQ(Laengentabelle(1, 950), 900);
    EXPECT_EQ(Laengentabelle(7, 450), std::nullopt);
    EXPECT_EQ(Laengentabelle(4, 2100), std::nullopt);
    EXPECT_EQ(Laengentabelle(0, 25), std::nullopt);
    EXPECT_EQ(ANSIZuschlag(7, 80), 50);
    EXPECT_EQ(ANSIZuschlag(6, 350), 200);
    EXPECT_EQ(ANSIZuschlag(5, 3000), 0);
}

// The length table written out again, group by group as the catalogue lists
// it, and compared row by row: every (series, list size) pair either has the
// length given here or has no row.
struct Gruppe {
    std::vector<double> groessen;
    int laenge;
};

std::map<std::pair<int, double>, int> abschrift() {
    std::map<std::pair<int, double>, int> zeilen;
    const auto reihe = [&](int baureihe, const std::vector<Gruppe>& gruppen) {
        for (const Gruppe& g : gruppen)
            for (double dn : g.groessen) zeilen[{baureihe, dn}] = g.laenge;
    };
    const auto selbst = [&](int baureihe, std::vector<double> groessen) {
        for (double dn : groessen) zeilen[{baureihe, dn}] = static_cast<int>(dn);
    };
    // clang-format off
    const std::vector<Gruppe> ab50bis1450 = {
        {{50, 65, 80}, 200},       {{100, 125, 150}, 250},   {{200}, 350},
        {{250}, 400},              {{300, 350}, 500},        {{400, 450, 500, 550, 600, 650}, 600},
        {{700, 750}, 700},         {{800, 850}, 800},        {{900, 950}, 900},
        {{1000, 1050}, 1000},      {{1100, 1150}, 1100},     {{1200, 1250}, 1200},
        {{1300, 1350}, 1300},      {{1400, 1450}, 1400},
    };
    // clang-format on
    reihe(1, {{{25, 32, 40}, 150}});
    reihe(1, ab50bis1450);
    selbst(1, {1500, 1600, 1700, 1800, 1900, 2000, 2100, 2200, 2300, 2400, 2500, 2600, 2700, 2800, 2900, 3000});
    reihe(2, {{{10, 15}, 68}, {{25}, 54}, {{40}, 78}, {{50}, 100}, {{80}, 150}, {{100, 150}, 200}});
    reihe(3, {{{2.5, 4, 6, 10, 15}, 65},
              {{25}, 58},
              {{40}, 83},
              {{50}, 103},
              {{80}, 153},
              {{100}, 203},
              {{150}, 265},
              {{200}, 315},
              {{250}, 365}});
    reihe(4, {{{2.5, 4, 6, 10, 15, 20, 25, 32, 40}, 150}});
    reihe(4, ab50bis1450);
    selbst(4, {1500, 1600, 1700, 1800, 1900, 2000});
    reihe(5,
          {{{2.5, 4, 6, 10, 15}, 180}, {{25}, 133}, {{40, 50, 65, 80}, 220}, {{100}, 280}, {{125}, 319}, {{150}, 325}});
    const std::vector<Gruppe> rsnBis350 = {
        {{25}, 250},       {{32}, 260},      {{40}, 270}, {{50, 65, 80}, 300}, {{100, 125, 150}, 350},
        {{200, 250}, 400}, {{300, 350}, 500}};
    reihe(6, rsnBis350);
    reihe(6, {{{400, 450, 500, 550, 600}, 600},
              {{650, 700}, 700},
              {{750, 800}, 800},
              {{850, 900}, 900},
              {{950, 1000}, 1000}});
    selbst(6, {1200, 1400, 1600, 1800, 2000, 2200, 2400, 2600, 2800, 3000});
    reihe(7, rsnBis350);
    reihe(7, {{{400, 500}, 600}});
    return zeilen;
}

TEST(Laengentabelle, JedeZeileWieImKatalog) {
    const auto zeilen = abschrift();
    ASSERT_EQ(zeilen.size(), 183u);
    int gefunden = 0;
    for (int baureihe = 1; baureihe <= 7; ++baureihe) {
        for (const Nennweite& n : Nennweitenliste) {
            const double dn = n.groesse;
            SCOPED_TRACE(::testing::Message() << "Baureihe " << baureihe << " DN " << dn);
            const auto erwartet = zeilen.find({baureihe, dn});
            const std::optional<int> laenge = Laengentabelle(baureihe, dn);
            if (erwartet == zeilen.end()) {
                EXPECT_EQ(laenge, std::nullopt);
            } else {
                EXPECT_EQ(laenge, erwartet->second);
                ++gefunden;
            }
        }
    }
    EXPECT_EQ(gefunden, 183) << "every row at a size of the list";
}

}  // namespace
}  // namespace fluvan::catalogue
