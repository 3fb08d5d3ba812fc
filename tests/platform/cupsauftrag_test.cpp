// A print on a printer of a real print system: the job it takes, with the
// dialog's choices and the whole document, or the box when it takes none.
#include "platform/cupsauftrag.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QSpinBox>
#include <QTimer>

#include "platform/fensterdruck.h"
#include "tests/platform/ausgabeprotokoll.h"
#include "tests/platform/drucksystem.h"
#include "tests/platform/vermittler.h"

namespace fluvan::test {
namespace {

using platform::CupsOptionen;

// Blue, with a red block at its top-left, so that the printed page shows
// where the picture lies.
QImage testbild(QSize groesse) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(QColor(30, 80, 160));
    for (int y = 10; y < 60; ++y)
        for (int x = 10; x < 90; ++x) bild.setPixelColor(x, y, QColor(200, 40, 40));
    return bild;
}

class Druckauftrag : public ::testing::Test {
protected:
    // One print system for all cases: it takes a moment to start.
    static void SetUpTestSuite() { drucksystem = std::make_unique<Drucksystem>(); }
    static void TearDownTestSuite() { drucksystem.reset(); }
    void SetUp() override {
        if (!drucksystem->laeuft()) GTEST_SKIP() << drucksystem->warumNicht();
        base::Variable::instanz() = base::Variable{};
    }
    void TearDown() override { base::Variable::instanz() = base::Variable{}; }

    // The queue's job that the print made, when it made exactly one.
    static std::optional<Auftrag> neuerAuftrag(const char* warteschlange, std::size_t vorher) {
        const auto auftraege = drucksystem->auftraege(warteschlange);
        if (auftraege.size() != vorher + 1) return std::nullopt;
        return auftraege.back();
    }

    inline static std::unique_ptr<Drucksystem> drucksystem;
};

TEST_F(Druckauftrag, DieWahlDesDialogsReistMitDemGanzenDokument) {
    using Merkmale = std::map<std::string, std::string>;
    struct Fall {
        const char* name;
        output::Druckregel regel;
        QSize bild;
        std::function<void(QPrinter&)> waehle;
        Merkmale merkmale;
        QSizeF punkte;  // the document's page
        bool grau;
    };
    const Merkmale vorgaben{{"job-name", "Fluvan II"}, {"document-name-supplied", "Fluvan II"},
                            {"copies", "<none>"},      {"Collate", "<none>"},
                            {"media", "A4"},           {"sides", "one-sided"},
                            {"print-color-mode", "<none>"}};
    const Fall faelle[] = {
        // The sheet lies landscape on its page.
        {"Vorgaben, das Blatt", output::DruckBild1, {640, 480}, nullptr, vorgaben, {842, 595}, false},
        {"Zwei sortierte Kopien auf Letter, lange Kante, grau; das Diagramm hoch",
         output::DruckBild2,
         {400, 500},
         [](QPrinter& drucker) {
             drucker.setCopyCount(2);
             drucker.setCollateCopies(true);
             drucker.setPageSize(QPageSize(QPageSize::Letter));
             drucker.setDuplex(QPrinter::DuplexLongSide);
             drucker.setColorMode(QPrinter::GrayScale);
         },
         {{"job-name", "Fluvan II"},
          {"copies", "2"},
          {"Collate", "true"},
          {"media", "Letter"},
          {"sides", "two-sided-long-edge"},
          {"print-color-mode", "monochrome"}},
         {612, 792},
         true},
        // Turned over as a landscape page is read.
        {"Beidseitig nach Vorgabe, quer",
         output::DruckBild1,
         {640, 480},
         [](QPrinter& drucker) { drucker.setDuplex(QPrinter::DuplexAuto); },
         {{"sides", "two-sided-short-edge"}},
         {842, 595},
         false},
        // The dialog's pages set these; they decide over the dialog's own
        // choice of one side.
        {"Die Optionen der Seiten des Dialogs",
         output::DruckBild2,
         {640, 480},
         [](QPrinter& drucker) {
             drucker.printEngine()->setProperty(CupsOptionen,
                                                QStringList{"page-set", "odd", "number-up", "2", "job-priority", "70",
                                                            "page-ranges", "1", "sides", "two-sided-short-edge"});
         },
         {{"job-name", "Fluvan II"},
          {"page-set", "odd"},
          {"number-up", "2"},
          {"job-priority", "70"},
          {"page-ranges", "1-1"},
          {"sides", "two-sided-short-edge"}},
         {842, 595},
         false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const std::size_t vorher = drucksystem->auftraege(Drucksystem::Nimmt).size();
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setDocName(QStringLiteral("Fluvan II"));  // as the print command names it
        drucker.setPrinterName(QString::fromLatin1(Drucksystem::Nimmt));
        ASSERT_TRUE(drucker.isValid());
        if (fall.waehle) fall.waehle(drucker);

        ASSERT_TRUE(platform::Ausdruck(drucker, testbild(fall.bild), fall.regel)) << drucksystem->protokoll().data();

        const auto auftrag = neuerAuftrag(Drucksystem::Nimmt, vorher);
        ASSERT_TRUE(auftrag);
        for (const auto& [name, wert] : fall.merkmale) EXPECT_EQ(auftrag->merkmal(name), wert) << name;
        ASSERT_FALSE(auftrag->dokument.isEmpty());
        const Seite seite = lesePdf(auftrag->dokument);
        EXPECT_EQ(seite.seiten, 1);
        EXPECT_NEAR(seite.punkte.width(), fall.punkte.width(), 1);
        EXPECT_NEAR(seite.punkte.height(), fall.punkte.height(), 1);
        EXPECT_EQ(seite.titel.toStdString(), "Fluvan II");
        // The picture from the printable area's corner, a quarter inch in,
        // with its red block at the top-left: the whole of it on the page.
        ASSERT_FALSE(seite.bild.isNull());
        const QRect bild = bedruckt(seite.bild);
        EXPECT_NEAR(bild.left(), 25, 2);
        EXPECT_NEAR(bild.top(), 25, 2);
        const QColor mitte = seite.bild.pixelColor(bild.center());
        const QColor block = seite.bild.pixelColor(bild.left() + 50 * bild.width() / fall.bild.width(),
                                                   bild.top() + 35 * bild.height() / fall.bild.height());
        if (fall.grau) {
            EXPECT_EQ(mitte.red(), mitte.blue());
            EXPECT_EQ(block.red(), block.green());
        } else {
            EXPECT_NEAR(mitte.blue(), 160, 12);
            EXPECT_NEAR(block.red(), 200, 12);
        }
        // The printer is noted as for every print.
        EXPECT_EQ(base::Variable::instanz().Druckername, Drucksystem::Nimmt);
    }
}

// The platform's own dialog leaves its choices where the job finds them.
TEST_F(Druckauftrag, DieWahlImDialogDesSystems) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Fluvan II"));
    bool gewaehlt = false;
    QTimer waehler;
    QObject::connect(&waehler, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        waehler.stop();
        auto* drucker = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* kopien = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
        auto* seiten = dialog->findChild<QComboBox*>(QStringLiteral("pageSetCombo"));
        if (drucker && kopien && seiten) {
            drucker->setCurrentIndex(drucker->findText(QString::fromLatin1(Drucksystem::Nimmt)));
            kopien->setValue(3);
            // All, odd, even.
            seiten->setCurrentIndex(1);
            gewaehlt = true;
        }
        gewaehlt ? dialog->accept() : dialog->reject();
    });
    waehler.start(10);
    platform::QtDruckdialog dialog;
    const std::size_t vorher = drucksystem->auftraege(Drucksystem::Nimmt).size();
    ASSERT_TRUE(dialog.ShowPrinter(drucker));
    ASSERT_TRUE(gewaehlt);

    ASSERT_TRUE(platform::Ausdruck(drucker, testbild({640, 480}), output::DruckBild1));
    const auto auftrag = neuerAuftrag(Drucksystem::Nimmt, vorher);
    ASSERT_TRUE(auftrag);
    EXPECT_EQ(auftrag->merkmal("copies"), "3");
    EXPECT_EQ(auftrag->merkmal("page-set"), "odd");
    EXPECT_EQ(auftrag->merkmal("job-name"), "Fluvan II");
}

// Nothing printed and false, so that the print command shows its box; and
// no document left anywhere.
TEST_F(Druckauftrag, OhneAuftragKeinErfolg) {
    struct Fall {
        const char* name;
        const char* warteschlange;
        bool systemFort;
        std::string grund;
    };
    for (const Fall& fall :
         {Fall{"Die Warteschlange weist Aufträge ab", Drucksystem::Weist, false,
               "print on Weist failed: Create-Job: Destination \"Weist\" is not accepting jobs."},
          Fall{"Das Drucksystem ist fort", Drucksystem::Nimmt, true, "print on Nimmt failed: cannot connect"}}) {
        SCOPED_TRACE(fall.name);
        // Its own print system, when that is to go away.
        std::optional<Drucksystem> eigenes;
        if (fall.systemFort) {
            eigenes.emplace();
            ASSERT_TRUE(eigenes->laeuft()) << eigenes->warumNicht();
        }
        Drucksystem& system = eigenes ? *eigenes : *drucksystem;
        const QStringList vorher = system.dokumente();
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setPrinterName(QString::fromLatin1(fall.warteschlange));
        ASSERT_TRUE(drucker.isValid());
        if (fall.systemFort) system.beende();
        const Ausgabeprotokoll protokoll;

        EXPECT_FALSE(platform::Ausdruck(drucker, testbild({640, 480}), output::DruckBild1));
        EXPECT_EQ(system.dokumente(), vorher);
        sagtWarum(protokoll.zeilen(), fall.grund.c_str());
        if (!fall.systemFort) {
            EXPECT_TRUE(system.auftraege(fall.warteschlange).empty());
        }
    }
}

// A print through a stand-in in front of the print system, which may take a
// request and never answer it, with a short deadline.
class StummesDrucksystem : public Ausgabetest {
protected:
    static constexpr std::chrono::milliseconds Frist{1500};

    static void SetUpTestSuite() { drucksystem = std::make_unique<Drucksystem>(); }
    static void TearDownTestSuite() { drucksystem.reset(); }
    void SetUp() override {
        Ausgabetest::SetUp();
        if (!drucksystem->laeuft()) GTEST_SKIP() << drucksystem->warumNicht();
        gesichert = platform::druckweg();
        platform::druckweg().frist = Frist;
        platform::dienste().druckdialog = &warteschlange;
    }
    void TearDown() override {
        platform::druckweg() = gesichert;
        Ausgabetest::TearDown();
    }

    inline static std::unique_ptr<Drucksystem> drucksystem;
    Warteschlangendialog warteschlange;

private:
    platform::Druckweg gesichert;
};

// The print system's address for every thread while it lives, the window's
// thread included (libcups keeps the address it found first for each).
class Drucksystemadresse {
public:
    explicit Drucksystemadresse(const QString& socket) : umgebung(std::make_unique<Umgebung>()) {
        umgebung->setze("CUPS_SERVER", socket);
        cupsSetServer(nullptr);
    }
    ~Drucksystemadresse() {
        umgebung.reset();
        cupsSetServer(nullptr);
    }
    Drucksystemadresse(const Drucksystemadresse&) = delete;
    Drucksystemadresse& operator=(const Drucksystemadresse&) = delete;

private:
    std::unique_ptr<Umgebung> umgebung;
};

// Counts what the window paints.
class Malzaehler : public QObject {
public:
    bool eventFilter(QObject*, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint) ++gemalt;
        return false;
    }
    int gemalt = 0;
};

// The box no later than the deadline after the print system fell silent, the
// wait cursor and a window that is drawn meanwhile, and no job left waiting
// in the queue; through a stand-in that answers, the print as ever.
TEST_F(StummesDrucksystem, NachDerFristDieMeldungUndKeinAuftragBleibt) {
    struct Fall {
        const char* name;
        int schweigtBei;
        bool gedruckt;
        const char* neuerAuftrag;  // the job state of the print's job; none made
    };
    const Fall faelle[] = {
        {"Es antwortet auf alles", 0, true, "completed"},
        {"Keine Antwort auf den Auftrag", IPP_OP_CREATE_JOB, false, nullptr},
        {"Keine Antwort auf das Dokument", IPP_OP_SEND_DOCUMENT, false, "canceled"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        meldungen.gezeigt.clear();
        warteschlange.gezeigt = 0;
        Vermittler vermittler(drucksystem->socket(), pfad(QStringLiteral("vermittler%1.sock").arg(fall.schweigtBei)),
                              fall.schweigtBei);
        ASSERT_TRUE(vermittler.laeuft());
        const Drucksystemadresse adresse(vermittler.socket());
        const std::size_t vorher = drucksystem->auftraege(Drucksystem::Nimmt).size();
        Testfenster fenster(640, 480);
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        Malzaehler maler;
        fenster.installEventFilter(&maler);
        std::vector<int> zeiger;  // the cursor's shape at each tick meanwhile
        int gemaltVorher = 0;
        QTimer uhr;
        QObject::connect(&uhr, &QTimer::timeout, [&] {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            zeiger.push_back(cursor ? cursor->shape() : -1);
            if (zeiger.size() == 1) gemaltVorher = maler.gemalt;
            fenster.update();
        });
        uhr.start(100);
        const Ausgabeprotokoll protokoll;
        QElapsedTimer dauer;
        dauer.start();

        platform::Drucken(fenster, *fenster.Picture1, output::DruckBild1);

        const auto verstrichen = std::chrono::milliseconds(dauer.elapsed());
        uhr.stop();
        EXPECT_EQ(warteschlange.gezeigt, 1);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        const auto auftraege = drucksystem->auftraege(Drucksystem::Nimmt);
        if (fall.neuerAuftrag) {
            ASSERT_EQ(auftraege.size(), vorher + 1);
            EXPECT_EQ(auftraege.back().merkmal("job-state"), fall.neuerAuftrag);
            EXPECT_EQ(auftraege.back().dokument.isEmpty(), !fall.gedruckt);
        } else {
            EXPECT_EQ(auftraege.size(), vorher);
        }
        if (fall.gedruckt) {
            EXPECT_TRUE(meldungen.gezeigt.empty());
            EXPECT_TRUE(protokoll.zeilen().isEmpty());
            EXPECT_EQ(vermittler.geschluckt(), 0);
            continue;
        }
        EXPECT_EQ(vermittler.geschluckt(), 1);
        EXPECT_EQ(meldungen.gezeigt, fehlschlag());
        sagtWarum(protokoll.zeilen(), "no answer within 1.5 s");
        // It gave up only at the deadline, and soon after it.
        EXPECT_GE(verstrichen, Frist);
        EXPECT_LT(verstrichen, Frist + std::chrono::seconds(3));
        // Waiting, drawn, every tick of it.
        ASSERT_GE(zeiger.size(), 5u);
        for (const int form : zeiger) EXPECT_EQ(form, Qt::WaitCursor);
        EXPECT_GE(maler.gemalt - gemaltVorher, static_cast<int>(zeiger.size()) - 2);
    }
}

// Without the print system's library the print fails as any other, and loads
// it again at the next print.
TEST_F(StummesDrucksystem, OhneBibliothekDieMeldung) {
    Testfenster fenster(640, 480);
    fenster.show();
    const std::size_t vorher = drucksystem->auftraege(Drucksystem::Nimmt).size();
    {
        const Ausgabeprotokoll protokoll;
        platform::druckweg().bibliothek = QStringLiteral("fluvan-ohne-drucksystem");
        platform::Drucken(fenster, *fenster.Picture1, output::DruckBild1);
        EXPECT_EQ(meldungen.gezeigt, fehlschlag());
        sagtWarum(protokoll.zeilen(), "print on Nimmt failed: the print system's library cannot be loaded: ");
        EXPECT_EQ(drucksystem->auftraege(Drucksystem::Nimmt).size(), vorher);
    }
    meldungen.gezeigt.clear();
    platform::druckweg().bibliothek = QStringLiteral("cups");
    platform::Drucken(fenster, *fenster.Picture1, output::DruckBild1);
    EXPECT_TRUE(meldungen.gezeigt.empty());
    EXPECT_EQ(drucksystem->auftraege(Drucksystem::Nimmt).size(), vorher + 1);
}

}  // namespace
}  // namespace fluvan::test
