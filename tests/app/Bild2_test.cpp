
#include "platform/twips.h"
#include "tests/app/ergebnisfenster.h"

namespace fluvan::test {
namespace {

using platform::pixel;

class Druckverlustdiagramm : public Ergebnisfenstertest {
protected:
    app::Bild2* oeffne(const char* sprache) {
        app::Bild1* b = rechne(sprache, "12.5");
        if (!b) return nullptr;
        b->mnuDruckverlust->trigger();
        return diagramm();
    }
};

QString u(const char* text) { return QString::fromUtf8(text); }

TEST_F(Druckverlustdiagramm, BeschriftungenUndLageJeSprache) {
    struct Fall {
        const char* sprache;
        std::vector<const char*> menue;
        const char* titel;
        int breite, hoehe;
        platform::Twips chart;
        int picture2;
    };
    // clang-format off
    const Fall faelle[] = {
        {"D", {"&Diagramm", "Drucken", "in WORD einbinden", "&Ende"}, "Druckverlust", 10104, 7452,
         {240, 360, 9612, 6852}, 7080},
        {"GB", {"&Diagram", "Print", "export to Word", "&End"}, "Pressure loss", 10104, 7452, {360, 360, 9612, 6852},
         6840},
        {"F", {"&Diagramme", "Imprimer", "Exporter to Word", "&Fin"}, "perte de charge", 9996, 7800,
         {240, 360, 9492, 6972}, 6840},
        {"E", {"&Diagrama", "Imprimir", "Incluiter WORD", "&Fin"}, "Pérdida de presión", 10068, 7452,
         {240, 360, 9612, 6852}, 6840},
    };
    // clang-format on
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.sprache);
        neuerFall();
        app::Bild2* d = oeffne(fall.sprache);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "Fluvan II");
        EXPECT_EQ(menuetexte(d), texte(fall.menue));
        const platform::Diagrammgestaltung& g = d->MSChart2->gestaltung();
        EXPECT_EQ(g.titel, u(fall.titel));
        EXPECT_EQ(g.titelPunkte, 7);
        EXPECT_TRUE(g.fussnote.isEmpty()) << "no footnote on the pressure-loss chart";
        EXPECT_EQ(g.wertachsentitel, "mbar");
        EXPECT_EQ(d->MSChart2->columnLabel(), "Druckverlust");
        EXPECT_EQ(d->centralWidget()->size(), QSize(pixel(fall.breite), pixel(fall.hoehe)));
        EXPECT_EQ(d->MSChart2->geometry(), QRect(pixel(fall.chart.links), pixel(fall.chart.oben),
                                                 pixel(fall.chart.breite), pixel(fall.chart.hoehe)));
        EXPECT_EQ(d->Picture2->geometry(), QRect(pixel(fall.picture2), 0, pixel(612), pixel(372)));
        const bool englisch = std::string_view(fall.sprache) == "GB";
        for (const char* name :
             {englisch ? "mnuDiagramm" : "mnuDruck", englisch ? "mnuDiagrammdruck" : "mnuDiagrammDruck",
              "mnuWordeinbinden", "mnuEnde", "MSChart2", "Picture2"})
            EXPECT_NE(d->findChild<QObject*>(name), nullptr) << name;
    }
}

// The chart fill with Druckabfall: values of points 20..1, labels the flows.
TEST_F(Druckverlustdiagramm, DiagrammfuellungMitDemDruckverlust) {
    for (const auto& [trenner, fuenfProzent, voll] :
         {std::tuple{",", "0,62", "12,5"}, std::tuple{".", "0.62", "12.5"}}) {
        SCOPED_TRACE(trenner);
        neuerFall();
        region.trenner = trenner;
        app::Bild2* d = oeffne("D");
        ASSERT_NE(d, nullptr);
        const platform::MSChart* c = d->MSChart2;
        EXPECT_EQ(c->rowLabel(1), fuenfProzent);
        EXPECT_EQ(c->rowLabel(20), voll);
        EXPECT_EQ(c->value(20), static_cast<double>(v().Druckabfall(1)));
        EXPECT_EQ(c->value(20), static_cast<double>(0.57f));
        for (int r = 1; r <= 20; ++r) {
            EXPECT_EQ(c->value(r), static_cast<double>(v().Druckabfall(21 - r))) << r;
            EXPECT_FALSE(c->isNull(r)) << r;
        }
        EXPECT_EQ(c->rowLabel(21), "m3/Stunde");
        EXPECT_TRUE(c->isNull(21));
    }
}

TEST_F(Druckverlustdiagramm, FokusfolgeJeSprache) {
    for (const char* sprache : {"D", "GB", "F", "E"}) {
        SCOPED_TRACE(sprache);
        neuerFall();
        app::Bild2* d = oeffne(sprache);
        ASSERT_NE(d, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        EXPECT_EQ(tabfolge(3), std::string_view(sprache) == "D" ? QStringList({"MSChart2", "Picture2", "MSChart2"})
                                                                : QStringList({"Picture2", "MSChart2", "Picture2"}));
    }
}

}  // namespace
}  // namespace fluvan::test
