// Print, save and hand-over from the menus of the sheet and the diagram.
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>

#include "platform/fensteraufnahme.h"
#include "platform/qt_meldungen.h"
#include "tests/app/ergebnisfenster.h"
#include "tests/platform/antworter.h"
#include "tests/platform/ausgabe.h"
#include "tests/platform/drucksystem.h"
#include "tests/platform/echteanzeige.h"

namespace fluvan::test {
namespace {

class Ergebnisausgabe : public Ergebnisfenstertest {
protected:
    void SetUp() override {
        Ergebnisfenstertest::SetUp();
        platform::Dienste& dienste = platform::dienste();
        dienste.zwischenablage = &zwischenablage;
        dienste.druckdialog = &druckdialog;
        dienste.speicherdialog = &speicherdialog;
        dienste.starter = &starter;
        ASSERT_TRUE(ordner.isValid());
        druckdialog.dateien = {ordner.filePath(QStringLiteral("eins.pdf")),
                               ordner.filePath(QStringLiteral("zwei.pdf"))};
        b = rechne("GB", "12.5");
        ASSERT_NE(b, nullptr);
        b->mnuDruckverlust->trigger();
        d = diagramm();
        ASSERT_NE(d, nullptr);
    }
    // Every window stays open and nothing is reported.
    void allesOffen() {
        loescheGeschlosseneFenster();
        EXPECT_EQ(blatt(), b);
        EXPECT_EQ(diagramm(), d);
        EXPECT_NE(platform::offenesFenster<frmHauptForm>(), nullptr);
        EXPECT_EQ(ende.beendet, 0);
        EXPECT_TRUE(meldungen.gezeigt.empty());
    }

    QTemporaryDir ordner;
    FakeZwischenablage zwischenablage;
    PdfDruckdialog druckdialog;
    FesterSpeicherdialog speicherdialog;
    AufzeichnenderStarter starter;
    EigenerTempOrdner temp;
    app::Bild1* b = nullptr;
    app::Bild2* d = nullptr;
};

TEST_F(Ergebnisausgabe, DruckenEineSeiteMitDemBildDesFensters) {
    b->mnuDrucken->trigger();
    const QImage blattbild = platform::bildVon(*b->Picture1);
    d->mnuDiagrammDruck->trigger();
    const QImage diagrammbild = platform::bildVon(*d->Picture2);

    // Each picture is its window with the menu bar.
    EXPECT_EQ(blattbild.size(), b->size());
    EXPECT_EQ(diagrammbild.size(), d->size());
    // The sheet prints landscape although portrait was chosen; the diagram
    // as its picture lies.
    const Seite blattseite = lesePdf(druckdialog.dateien[0]);
    const Seite diagrammseite = lesePdf(druckdialog.dateien[1]);
    EXPECT_EQ(blattseite.seiten, 1);
    EXPECT_EQ(diagrammseite.seiten, 1);
    EXPECT_GT(blattseite.punkte.width(), blattseite.punkte.height());
    EXPECT_EQ(diagrammseite.punkte.width() > diagrammseite.punkte.height(),
              diagrammbild.width() > diagrammbild.height());
    // Only the diagram clears the clipboard before its capture.
    EXPECT_EQ(zwischenablage.schritte, (std::vector<std::string>{"Bild", "Clear", "Bild"}));
    allesOffen();
}

// Two prints cancelled in each window: the second picture shows the holder
// as empty as the first, with no piece of the first picture in it.
TEST_F(Ergebnisausgabe, ZweiteAufnahmeOhneStueckDerErsten) {
    struct Fall {
        const char* name;
        QMainWindow* fenster;
        platform::Bildhalter* halter;
        QAction* drucken;
    };
    druckdialog.abbrechen = true;
    for (const Fall& fall :
         {Fall{"Blatt", b, b->Picture1, b->mnuDrucken}, Fall{"Diagramm", d, d->Picture2, d->mnuDiagrammDruck}}) {
        SCOPED_TRACE(fall.name);
        const QRect halter(fall.halter->mapTo(fall.fenster, QPoint(0, 0)), fall.halter->size());
        fall.drucken->trigger();
        const QImage erstes = platform::bildVon(*fall.halter);
        fall.drucken->trigger();
        const QImage zweites = platform::bildVon(*fall.halter);
        ASSERT_EQ(zweites.size(), fall.fenster->size());
        EXPECT_TRUE(gleichePixel(zweites.copy(halter), erstes.copy(halter)));
    }
    EXPECT_TRUE(meldungen.gezeigt.empty());
}

TEST_F(Ergebnisausgabe, SpeichernSchreibtDasBildDesBlatts) {
    speicherdialog.antwort = ordner.filePath(QStringLiteral("Ergebnis"));
    b->mnuSpeichern->trigger();
    b->mnuSpeichern->trigger();
    ASSERT_EQ(speicherdialog.gefragt.size(), 2u);
    EXPECT_EQ(speicherdialog.gefragt[1].FileName, *speicherdialog.antwort);
    EXPECT_TRUE(gleichePixel(QImage(*speicherdialog.antwort, "bmp"), platform::bildVon(*b->Picture1)));
    allesOffen();
}

TEST_F(Ergebnisausgabe, WordErhaeltDasBildJedesFensters) {
    b->mnuWord->trigger();
    const QImage blattbild = platform::bildVon(*b->Picture1);
    d->mnuWordeinbinden->trigger();
    ASSERT_EQ(starter.geoeffnet.size(), 2u);
    EXPECT_TRUE(gleichePixel(eingebettetesBild(starter.geoeffnet[0]), blattbild));
    EXPECT_TRUE(gleichePixel(eingebettetesBild(starter.geoeffnet[1]), platform::bildVon(*d->Picture2)));
    EXPECT_TRUE(zwischenablage.inhalt.isNull());
    allesOffen();
}

// The diagram is closed before the word processor's refusal comes: the box
// shows all the same, and the picture stays on the clipboard.
TEST_F(Ergebnisausgabe, WordAusgangNachDemSchliessen) {
    starter.spaeter = true;
    starter.gelingt = [](const QString&) { return false; };
    d->mnuWordeinbinden->trigger();
    const QImage diagrammbild = platform::bildVon(*d->Picture2);
    const QPointer<app::Bild2> geschlossen(d);
    d->mnuEnde->trigger();
    loescheGeschlosseneFenster();
    ASSERT_TRUE(geschlossen.isNull());

    starter.melde();
    EXPECT_EQ(meldungen.gezeigt, (std::vector<Meldung>{{"Operation not possible!", base::MeldungsStil::Ausruf}}));
    EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, diagrammbild));
    EXPECT_EQ(temp.inhalt(), "");
    EXPECT_EQ(blatt(), b);
}

// A box or dialog that a window's command shows stands over that window.
TEST_F(Ergebnisausgabe, MeldungenUndDialogeUeberDemFragendenFenster) {
    platform::QtMeldungen echteMeldungen;
    platform::QtDruckdialog echterDruckdialog;
    platform::QtSpeicherdialog echterSpeicherdialog;
    platform::Dienste& dienste = platform::dienste();
    dienste.meldungen = &echteMeldungen;
    dienste.druckdialog = &echterDruckdialog;
    dienste.speicherdialog = &echterSpeicherdialog;
    starter.gelingt = [](const QString&) { return false; };
    frmHauptForm* form = platform::offenesFenster<frmHauptForm>();
    ASSERT_NE(form, nullptr);
    struct Fall {
        const char* name;
        std::function<void()> befehl;
        QWidget* fenster;
        const char* was;
    };
    const Fall faelle[] = {
        {"Berechnung ohne Endwert",
         [form] {
             form->txtVolumen->setText(QStringLiteral("0"));
             QTest::mouseClick(form->cmdFehlerkurve, Qt::LeftButton);
         },
         form, "Max. Value ?"},
        {"Druck des Blatts", [this] { b->mnuDrucken->trigger(); }, b, "QPrintDialog"},
        {"Druck des Diagramms", [this] { d->mnuDiagrammDruck->trigger(); }, d, "QPrintDialog"},
        {"Speichern des Blatts", [this] { b->mnuSpeichern->trigger(); }, b, "QFileDialog"},
        {"Uebergabe des Blatts sofort abgelehnt", [this] { b->mnuWord->trigger(); }, b, "Operation not possible!"},
        {"Uebergabe des Diagramms sofort abgelehnt", [this] { d->mnuWordeinbinden->trigger(); }, d,
         "Operation not possible!"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Antworter antworter;
        fall.befehl();
        ASSERT_EQ(antworter.gesehen.size(), 1u);
        EXPECT_EQ(antworter.gesehen[0].was, fall.was);
        EXPECT_EQ(antworter.gesehen[0].eltern, fall.fenster);
    }
}

// Accepted as it comes on a desktop without a printer, the print dialog prints
// into the file it proposes: one whole page and no box, on X, on Wayland and
// offscreen alike, and each print proposes the same file afresh.
TEST_F(Ergebnisausgabe, DruckdialogWieErKommt) {
    QTemporaryDir heim;
    ASSERT_TRUE(heim.isValid());
    Umgebung umgebung;
    umgebung.setze("HOME", heim.path());
    umgebung.setze("CUPS_SERVER", heim.filePath(QStringLiteral("kein-drucksystem")));
    platform::QtMeldungen echteMeldungen;
    platform::QtDruckdialog echterDruckdialog;
    platform::dienste().meldungen = &echteMeldungen;
    platform::dienste().druckdialog = &echterDruckdialog;

    // Presses the dialog's OK as it comes, and Yes to its question whether
    // to replace the file of the print before; notes every box. Each dialog's
    // proposal is noted once; its OK is pressed again while it stays, since a
    // loaded machine may bring the timer back before the press, and a dialog
    // that outlasts many presses refused its proposal: cancelled.
    QStringList vorschlaege, boxen;
    QPointer<QPrintDialog> dieserDialog;
    int druecke = 0;
    bool druckKommt = false;
    QTimer antwort;
    QObject::connect(&antwort, &QTimer::timeout, &antwort, [&] {
        QWidget* oben = QApplication::activeModalWidget();
        if (auto* frage = qobject_cast<QMessageBox*>(oben)) {
            if (frage->property("gesehen").toBool()) return;
            frage->setProperty("gesehen", true);
            boxen << frage->text();
            if (QAbstractButton* ja = frage->button(QMessageBox::Yes))
                QMetaObject::invokeMethod(ja, &QAbstractButton::click, Qt::QueuedConnection);
            else
                frage->reject();
        } else if (auto* dialog = qobject_cast<QPrintDialog*>(oben)) {
            if (dialog != dieserDialog) {
                dieserDialog = dialog;
                druecke = 0;
                druckKommt = false;
                const auto* datei = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
                vorschlaege << (datei ? datei->text() : QStringLiteral("<no file box>"));
            }
            if (druckKommt) return;
            const auto* knoepfe = dialog->findChild<QDialogButtonBox*>();
            QAbstractButton* ok = knoepfe ? knoepfe->button(QDialogButtonBox::Ok) : nullptr;
            if (!ok || ++druecke > 50) return dialog->reject();
            // Queued: what the press opens runs its own loop, in which this
            // timer must come again.
            druckKommt = true;
            QMetaObject::invokeMethod(
                ok,
                [&, ok] {
                    druckKommt = false;
                    ok->click();
                },
                Qt::QueuedConnection);
        }
    });
    antwort.start(10);

    const QString datei = heim.filePath(QStringLiteral("Fluvan II.pdf"));
    for (const auto& [name, drucken] :
         {std::pair<const char*, std::function<void()>>{"sheet", [this] { b->mnuDrucken->trigger(); }},
          {"diagram", [this] { d->mnuDiagrammDruck->trigger(); }}}) {
        SCOPED_TRACE(name);
        vorschlaege.clear();
        QFile::remove(datei + QStringLiteral(".seite.png"));
        drucken();
        EXPECT_EQ(vorschlaege.join(QStringLiteral(" | ")).toStdString(), datei.toStdString());
        EXPECT_EQ(lesePdf(datei).seiten, 1);
    }
    // The diagram's print replaces the sheet's file, after the dialog's own
    // question; nothing else is said.
    ASSERT_EQ(boxen.size(), 1) << boxen.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(boxen[0].contains(QStringLiteral("already exists"))) << boxen[0].toStdString();
    allesOffen();

    if (!aufX() && !aufWayland()) {
        laufeAufX({.fenstermanager = false});
        laufeAufWayland();
    }
}

// The print of each window on the printers of a real print system.
class DruckImDrucksystem : public Ergebnisfenstertest {
protected:
    // One print system for all cases: it takes a moment to start.
    static void SetUpTestSuite() { drucksystem = std::make_unique<Drucksystem>(); }
    static void TearDownTestSuite() { drucksystem.reset(); }
    void SetUp() override {
        Ergebnisfenstertest::SetUp();
        if (!drucksystem->laeuft()) GTEST_SKIP() << drucksystem->warumNicht();
        platform::dienste().zwischenablage = &zwischenablage;
        platform::dienste().druckdialog = &druckdialog;
        b = rechne("D", "12.5");
        ASSERT_NE(b, nullptr);
        b->mnuDruckverlust->trigger();
        d = diagramm();
        ASSERT_NE(d, nullptr);
    }

    struct Fenster {
        const char* name;
        QMainWindow* fenster;
        QAction* drucken;
        platform::Bildhalter* halter;
    };
    std::vector<Fenster> fenster() const {
        return {{"Blatt", b, b->mnuDrucken, b->Picture1}, {"Diagramm", d, d->mnuDiagrammDruck, d->Picture2}};
    }

    inline static std::unique_ptr<Drucksystem> drucksystem;
    FakeZwischenablage zwischenablage;
    Warteschlangendialog druckdialog;
    app::Bild1* b = nullptr;
    app::Bild2* d = nullptr;
};

TEST_F(DruckImDrucksystem, EinAuftragMitNamenUndDerGanzenSeite) {
    for (const Fenster& f : fenster()) {
        SCOPED_TRACE(f.name);
        const std::size_t vorher = drucksystem->auftraege(Drucksystem::Nimmt).size();
        f.drucken->trigger();

        EXPECT_TRUE(meldungen.gezeigt.empty());
        const auto auftraege = drucksystem->auftraege(Drucksystem::Nimmt);
        ASSERT_EQ(auftraege.size(), vorher + 1);
        const Auftrag& auftrag = auftraege.back();
        EXPECT_EQ(auftrag.merkmal("job-name"), "Fluvan II");
        ASSERT_FALSE(auftrag.dokument.isEmpty());
        const Seite seite = lesePdf(auftrag.dokument);
        EXPECT_EQ(seite.seiten, 1);
        EXPECT_EQ(seite.titel.toStdString(), "Fluvan II");
        // The sheet lies landscape; the diagram as its picture does.
        const QImage bild = platform::bildVon(*f.halter);
        const bool quer = f.fenster == b || bild.width() > bild.height();
        EXPECT_EQ(seite.punkte.width() > seite.punkte.height(), quer) << seite.punkte.width();
        // The picture from the printable area's corner, a quarter inch in,
        // to the full height or width of the area.
        ASSERT_FALSE(seite.bild.isNull());
        const QRect gedruckt = bedruckt(seite.bild);
        EXPECT_NEAR(gedruckt.left(), 25, 2);
        EXPECT_NEAR(gedruckt.top(), 25, 2);
        EXPECT_TRUE(std::abs(gedruckt.bottom() - (seite.bild.height() - 26)) <= 2 ||
                    std::abs(gedruckt.right() - (seite.bild.width() - 26)) <= 2)
            << gedruckt.right() << " " << gedruckt.bottom();
    }
    EXPECT_EQ(druckdialog.gezeigt, 2);
}

// A print that the print system does not take shows the box in the window's
// language, like every other failed print, and leaves no document.
TEST_F(DruckImDrucksystem, NichtGenommenZeigtDieMeldung) {
    struct Fall {
        const char* name;
        const char* warteschlange;
        bool haeltAn;  // the print system stops while the dialog is open
    };
    for (const Fall& fall : {Fall{"Die Warteschlange weist ab", Drucksystem::Weist, false},
                             Fall{"Das Drucksystem hält an", Drucksystem::Nimmt, true}}) {
        for (const Fenster& f : fenster()) {
            SCOPED_TRACE(std::string(fall.name) + ", " + f.name);
            std::optional<Drucksystem> eigenes;
            if (fall.haeltAn) {
                eigenes.emplace();
                ASSERT_TRUE(eigenes->laeuft()) << eigenes->warumNicht();
                druckdialog.waehrendDesDialogs = [&] { eigenes->beende(); };
            }
            const Drucksystem& system = eigenes ? *eigenes : *drucksystem;
            const QStringList vorher = system.dokumente();
            druckdialog.warteschlange = fall.warteschlange;
            meldungen.gezeigt.clear();

            f.drucken->trigger();

            EXPECT_EQ(meldungen.gezeigt,
                      (std::vector<Meldung>{{"Vorgang nicht möglich!", base::MeldungsStil::Ausruf}}));
            EXPECT_EQ(system.dokumente(), vorher);
            druckdialog.waehrendDesDialogs = nullptr;
        }
    }
    EXPECT_TRUE(drucksystem->auftraege(Drucksystem::Weist).empty());
    // Both windows stay as they were.
    loescheGeschlosseneFenster();
    EXPECT_EQ(blatt(), b);
    EXPECT_EQ(diagramm(), d);
}

}  // namespace
}  // namespace fluvan::test
