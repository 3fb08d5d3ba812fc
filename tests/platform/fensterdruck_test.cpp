#include "platform/fensterdruck.h"

#include <QFile>
#include <QImage>

#include "platform/fensteraufnahme.h"

#include "tests/platform/ausgabe.h"

namespace fluvan::test {
namespace {

// The rectangle of everything that is not white paper.
QRect bedruckt(const QImage& bild) {
    QRect rechteck;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor farbe = bild.pixelColor(x, y);
            if (farbe.red() < 245 || farbe.green() < 245 || farbe.blue() < 245) rechteck |= QRect(x, y, 1, 1);
        }
    return rechteck;
}

double pixelAusMm(double mm) { return mm / 25.4 * SeitenAufloesung; }

class FensterdruckTest : public Ausgabetest {
protected:
    // The sheet's print of a fresh test window into the given file.
    void druckeBlatt(const QString& datei) {
        meldungen.gezeigt.clear();
        druckdialog.gezeigt = 0;
        druckdialog.dateien = {datei};
        Testfenster fenster(640, 480);
        fenster.show();
        platform::Drucken(fenster, *fenster.Picture1, output::DruckBild1);
    }
};

// A4 with 10 mm margins: 277 × 190 mm printable in landscape.
TEST_F(FensterdruckTest, EineSeiteDasBildAmUrsprungInDerAngepasstenGroesse) {
    struct Fall {
        const char* name;
        output::Druckregel regel;
        int breite, hoehe;  // of the window, pixels
        bool quer;
        double bildbreiteMm, bildhoeheMm;
    };
    const Fall faelle[] = {
        // The sheet prints landscape although portrait was chosen: the tall
        // case, full height, width from the aspect times 1.06.
        {"Blatt", output::DruckBild1, 640, 480, true, 190 * 640.0 / 480 * 1.06, 190},
        // Times 1.06 the width would run over the page: it stops at its edge.
        {"Blatt breiter", output::DruckBild1, 700, 490, true, 277, 190},
        {"Diagramm quer", output::DruckBild2, 640, 480, true, 190 * 640.0 / 480 * 1.091, 190},
        // Higher than wide: portrait, the wide case keeps the aspect.
        {"Diagramm hoch", output::DruckBild2, 400, 500, false, 190, 190 * 500.0 / 400},
    };
    int nummer = 0;
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const QString datei = pfad(QStringLiteral("druck%1.pdf").arg(++nummer));
        druckdialog.dateien = {datei};
        druckdialog.gezeigt = 0;
        Testfenster fenster(fall.breite, fall.hoehe);
        fenster.show();

        platform::Drucken(fenster, *fenster.Picture1, fall.regel);

        EXPECT_TRUE(meldungen.gezeigt.empty());
        const Seite seite = lesePdf(datei);
        ASSERT_EQ(seite.seiten, 1);
        EXPECT_EQ(seite.punkte.width() > seite.punkte.height(), fall.quer) << seite.punkte.width();
        ASSERT_FALSE(seite.bild.isNull());
        const QRect bild = bedruckt(seite.bild);
        // The renderer smooths the picture's edges by a pixel or so.
        EXPECT_NEAR(bild.left(), pixelAusMm(10), 2);
        EXPECT_NEAR(bild.top(), pixelAusMm(10), 2);
        EXPECT_NEAR(bild.width(), pixelAusMm(fall.bildbreiteMm), 3);
        EXPECT_NEAR(bild.height(), pixelAusMm(fall.bildhoeheMm), 3);
        // The window's blue fills the middle: the picture is the window's.
        const QColor mitte = seite.bild.pixelColor(bild.center());
        EXPECT_NEAR(mitte.blue(), 160, 12);
        EXPECT_NEAR(mitte.red(), 30, 12);

        EXPECT_EQ(base::Variable::instanz().Druckeranschluss, datei.toStdString());
    }
}

TEST_F(FensterdruckTest, ZweiDruckeZweiDokumente) {
    druckdialog.dateien = {pfad(QStringLiteral("eins.pdf")), pfad(QStringLiteral("zwei.pdf"))};
    Testfenster fenster(640, 480);
    fenster.show();
    platform::Drucken(fenster, *fenster.Picture1, output::DruckBild1);
    const QImage erstes = platform::bildVon(*fenster.Picture1);
    fenster.faerbeBlock(QColor(250, 200, 0));
    platform::Drucken(fenster, *fenster.Picture1, output::DruckBild1);

    EXPECT_EQ(druckdialog.gezeigt, 2);
    EXPECT_EQ(lesePdf(druckdialog.dateien[0]).seiten, 1);
    EXPECT_EQ(lesePdf(druckdialog.dateien[1]).seiten, 1);
    // The second capture replaced the first.
    EXPECT_FALSE(gleichePixel(platform::bildVon(*fenster.Picture1), erstes));
    EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, platform::bildVon(*fenster.Picture1)));
    // After a print the sheet's picture stays on the clipboard.
    EXPECT_EQ(zwischenablage.schritte, (std::vector<std::string>{"Bild", "Bild"}));
}

TEST_F(FensterdruckTest, AbbruchDrucktNichtsUndSagtNichts) {
    druckdialog.abbrechen = true;
    druckdialog.dateien = {pfad(QStringLiteral("nie.pdf"))};
    Testfenster fenster(640, 480);
    fenster.show();
    platform::Drucken(fenster, *fenster.Picture1, output::DruckBild2);

    EXPECT_EQ(druckdialog.gezeigt, 1);
    EXPECT_FALSE(QFile::exists(druckdialog.dateien[0]));
    EXPECT_TRUE(meldungen.gezeigt.empty());
    // The diagram clears the clipboard before its capture; the picture stays.
    EXPECT_EQ(zwischenablage.schritte, (std::vector<std::string>{"Clear", "Bild"}));
    EXPECT_EQ(zwischenablage.inhalt.size(), QSize(640, 480));
    EXPECT_TRUE(gleichePixel(platform::bildVon(*fenster.Picture1), zwischenablage.inhalt));
}

TEST_F(FensterdruckTest, DruckerFehlerZeigtDieMeldungDerSprache) {
    struct Fall {
        const char* sprache;
        const char* text;
    };
    for (const Fall& fall : {Fall{"D", "Vorgang nicht möglich!"}, Fall{"GB", "Operation not possible!"},
                             Fall{"F", "Opération impossible!"}, Fall{"E", "¡Operación imposible!"}}) {
        base::Variable::instanz().Sprache = fall.sprache;
        druckeBlatt(pfad(QStringLiteral("kein/ordner/druck.pdf")));
        EXPECT_EQ(meldungen.gezeigt, (std::vector<Meldung>{{fall.text, base::MeldungsStil::Ausruf}}));
    }
    // The printer is usable again for the next print.
    druckeBlatt(pfad(QStringLiteral("danach.pdf")));
    EXPECT_TRUE(meldungen.gezeigt.empty());
    EXPECT_EQ(lesePdf(druckdialog.dateien[0]).seiten, 1);
}

TEST_F(FensterdruckTest, OhneAufnahmeKeinDialogUndDieMeldung) {
    // A window without width or height gives no picture.
    QWidget fenster;
    fenster.resize(0, 0);
    platform::Bildhalter halter;
    druckdialog.dateien = {pfad(QStringLiteral("nie.pdf"))};
    platform::Drucken(fenster, halter, output::DruckBild1);
    EXPECT_EQ(druckdialog.gezeigt, 0);
    EXPECT_EQ(meldungen.gezeigt, fehlschlag());
    EXPECT_TRUE(zwischenablage.schritte.empty());
    EXPECT_TRUE(platform::bildVon(halter).isNull());
}

TEST_F(FensterdruckTest, HalterOhneBildDrucktNichts) {
    QPrinter drucker;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pfad(QStringLiteral("leer.pdf")));
    EXPECT_FALSE(platform::Ausdruck(drucker, QImage(), output::DruckBild1));
    EXPECT_FALSE(QFile::exists(drucker.outputFileName()));
}

}  // namespace
}  // namespace fluvan::test
