
#include "app/bild2_lage.h"
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
    };
    // clang-format off
    const Fall faelle[] = {
        {"D", {"&Diagramm", "Drucken", "in WORD einbinden", "&Ende"}, "Druckverlust"},
        {"GB", {"&Diagram", "Print", "export to Word", "&End"}, "Pressure loss"},
        {"F", {"&Diagramme", "Imprimer", "Exporter to Word", "&Fin"}, "perte de charge"},
        {"E", {"&Diagrama", "Imprimir", "Incluiter WORD", "&Fin"}, "Pérdida de presión"},
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
        // Where the layout table of the language puts the inside and the controls.
        const app::bild2::Lage& lage = app::bild2::lage(fall.sprache);
        const auto r = [](platform::Twips t) {
            return QRect(pixel(t.links), pixel(t.oben), pixel(t.breite), pixel(t.hoehe));
        };
        EXPECT_EQ(d->centralWidget()->size(), QSize(pixel(lage.rahmen.innenBreite), pixel(lage.rahmen.innenHoehe)));
        EXPECT_EQ(d->MSChart2->geometry(), r(lage.MSChart2));
        EXPECT_EQ(d->Picture2->geometry(), r(lage.Picture2));
        EXPECT_EQ(d->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint),
                  lage.rahmen.art == app::Rahmenart::FestDialog);
        const bool englisch = std::string_view(fall.sprache) == "GB";
        for (const char* name :
             {englisch ? "mnuDiagramm" : "mnuDruck", englisch ? "mnuDiagrammdruck" : "mnuDiagrammDruck",
              "mnuWordeinbinden", "mnuEnde", "MSChart2", "Picture2"})
            EXPECT_NE(d->findChild<QObject*>(name), nullptr) << name;
    }
}

// Places worked out by hand at 15 twips a pixel, rounded, so that a wrong
// value in the layout table shows.
TEST_F(Druckverlustdiagramm, LageVonHandGerechnet) {
    struct Fall {
        const char* sprache;
        QSize innen;
        QRect chart, picture2;
    };
    for (const Fall& fall : {Fall{"D", {674, 497}, {16, 24, 641, 457}, {472, 0, 41, 25}},
                             Fall{"F", {666, 520}, {16, 24, 633, 465}, {456, 0, 41, 25}}}) {
        SCOPED_TRACE(fall.sprache);
        neuerFall();
        app::Bild2* d = oeffne(fall.sprache);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->centralWidget()->size(), fall.innen);
        EXPECT_EQ(d->MSChart2->geometry(), fall.chart);
        EXPECT_EQ(d->Picture2->geometry(), fall.picture2);
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
