#include "platform/fensterdruck.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "platform/fensteraufnahme.h"

#include "tests/platform/ausgabe.h"
#include "tests/platform/dateigrenze.h"

namespace fluvan::test {
namespace {

double pixelAusMm(double mm) { return mm / 25.4 * SeitenAufloesung; }

QByteArray inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreibe(const QString& datei, const QByteArray& text) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(text), text.size());
}

// A file system of 64 KiB mounted over a folder, for as long as it lives.
class KleinesDateisystem {
public:
    explicit KleinesDateisystem(const QString& ordner) : ordner(ordner) {
        eingehaengt =
            QDir().mkpath(ordner) && ::mount("tmpfs", ordner.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~KleinesDateisystem() {
        if (eingehaengt) ::umount2(ordner.toLocal8Bit().constData(), MNT_DETACH);
    }
    // Fills every free byte.
    void fuelle() const {
        const int f = ::open((ordner + QStringLiteral("/fueller")).toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(f, 0);
        const QByteArray block(4096, 'x');
        while (::write(f, block.constData(), static_cast<std::size_t>(block.size())) > 0) {}
        ::close(f);
    }
    const QString ordner;
    bool eingehaengt;
};

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
        SCOPED_TRACE(fall.sprache);
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

TEST_F(FensterdruckTest, JederDruckBeginntMitDenVorgabenDesSystems) {
    // The sheet prints to a file; then the diagram's dialog opens.
    druckdialog.dateien = {pfad(QStringLiteral("blatt.pdf")), pfad(QStringLiteral("diagramm.pdf"))};
    Testfenster fenster(640, 480);
    fenster.show();
    platform::Drucken(fenster, *fenster.Picture1, output::DruckBild1);
    platform::Drucken(fenster, *fenster.Picture1, output::DruckBild2);

    // Neither the file nor the paper nor the orientation of the first print
    // is proposed again.
    const QPrinter vorgabe(QPrinter::HighResolution);
    ASSERT_EQ(druckdialog.vorgefunden.size(), 2u);
    EXPECT_EQ(druckdialog.vorgefunden[1].datei, QString());
    EXPECT_EQ(druckdialog.vorgefunden[1].seite, vorgabe.pageLayout());
    EXPECT_EQ(druckdialog.vorgefunden[0].seite, vorgabe.pageLayout());
    EXPECT_EQ(lesePdf(druckdialog.dateien[0]).seiten, 1);
    EXPECT_EQ(lesePdf(druckdialog.dateien[1]).seiten, 1);
}

TEST_F(FensterdruckTest, GrauWennDerDialogGrauWaehlt) {
    druckdialog.farbe = QPrinter::GrayScale;
    druckeBlatt(pfad(QStringLiteral("grau.pdf")));
    const Seite seite = lesePdf(druckdialog.dateien[0]);
    ASSERT_FALSE(seite.bild.isNull());
    // The window's blue in the middle of the picture comes out grey.
    const QColor mitte = seite.bild.pixelColor(bedruckt(seite.bild).center());
    EXPECT_EQ(mitte.red(), mitte.blue());
    EXPECT_EQ(mitte.green(), mitte.blue());
    EXPECT_LT(mitte.blue(), 160);
}

// The picture never reaches past the printable area as the painter counts it,
// in device pixels, and one side fills it.
TEST_F(FensterdruckTest, BildflaecheBleibtImDruckbereich) {
    struct Fall {
        const char* name;
        QPageSize::PageSizeId papier;
        double rand;  // points, on every side
        bool quer;
        output::Druckregel regel;
        QSize bild;
    };
    const double vorgabe = QPrinter(QPrinter::HighResolution).pageLayout().margins(QPageLayout::Point).top();
    // clang-format off
    const Fall faelle[] = {
        // 13,699 x 9,583 pixels: 7.99 inches high when rounded to hundredths.
        {"A4 quer, das Blatt",        QPageSize::A4,     vorgabe, true,  output::DruckBild1, {640, 480}},
        {"A4 quer, breiter als 1,06", QPageSize::A4,     vorgabe, true,  output::DruckBild1, {813, 585}},
        {"A4 hoch, das Diagramm",     QPageSize::A4,     vorgabe, false, output::DruckBild2, {400, 500}},
        {"Letter quer, das Diagramm", QPageSize::Letter, 17,      true,  output::DruckBild2, {842, 621}},
        {"A3 hoch, 1 cm Rand",        QPageSize::A3,     28.35,   false, output::DruckBild2, {300, 301}},
    };
    // clang-format on
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QPrinter drucker(QPrinter::HighResolution);
        const QMarginsF rand(fall.rand, fall.rand, fall.rand, fall.rand);
        drucker.setPageLayout(QPageLayout(QPageSize(fall.papier),
                                          fall.quer ? QPageLayout::Landscape : QPageLayout::Portrait, rand,
                                          QPageLayout::Point));
        QImage bild(fall.bild, QImage::Format_RGB32);
        bild.fill(Qt::blue);

        const auto flaeche = platform::Bildflaeche(drucker, bild, fall.regel);
        ASSERT_TRUE(flaeche);
        const QRectF druckbereich = drucker.pageRect(QPrinter::DevicePixel);
        EXPECT_EQ(flaeche->topLeft(), QPointF(0, 0));
        EXPECT_LE(flaeche->width(), druckbereich.width());
        EXPECT_LE(flaeche->height(), druckbereich.height());
        EXPECT_GT(std::max(flaeche->width() / druckbereich.width(), flaeche->height() / druckbereich.height()), 0.9999);
    }
}

class GanzOderGarNicht : public FensterdruckTest {
protected:
    // The sheet's print into a file that cannot be written whole: the box,
    // the old file as it was, and no other file left beside it.
    void druckeUndPruefe(const QString& datei, const std::function<void()>& fehler) {
        schreibe(datei, "alt");
        fehler();
        const QStringList vorher = QDir(QFileInfo(datei).path()).entryList(QDir::Files | QDir::Hidden);
        druckeBlatt(datei);
        EXPECT_EQ(meldungen.gezeigt, fehlschlag());
        EXPECT_EQ(inhalt(datei), QByteArray("alt"));
        EXPECT_EQ(QDir(QFileInfo(datei).path()).entryList(QDir::Files | QDir::Hidden), vorher);
    }
};

TEST_F(GanzOderGarNicht, VollesDateisystem) {
    KleinesDateisystem platte(pfad(QStringLiteral("platte")));
    if (!platte.eingehaengt) GTEST_SKIP() << "no file system can be mounted here";
    druckeUndPruefe(platte.ordner + QStringLiteral("/druck.pdf"), [&] { platte.fuelle(); });
}

TEST_F(GanzOderGarNicht, DateiUeberDerGrenze) {
    const QString ganz = pfad(QStringLiteral("ganz.pdf"));
    druckeBlatt(ganz);
    const qint64 groesse = QFileInfo(ganz).size();
    ASSERT_GT(groesse, 1000);
    {
        std::optional<Dateigrenze> grenze;
        druckeUndPruefe(pfad(QStringLiteral("druck.pdf")), [&] { grenze.emplace(static_cast<rlim_t>(groesse / 2)); });
    }
    // Without the limit the same name takes the whole print.
    druckeBlatt(pfad(QStringLiteral("druck.pdf")));
    EXPECT_TRUE(meldungen.gezeigt.empty());
    EXPECT_EQ(lesePdf(pfad(QStringLiteral("druck.pdf"))).seiten, 1);
}

}  // namespace
}  // namespace fluvan::test
