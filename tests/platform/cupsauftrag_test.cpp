// A print on a printer of a real print system: the job it takes, with the
// dialog's choices and the whole document, or the box when it takes none.
#include "platform/cupsauftrag.h"

#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QSpinBox>
#include <QTimer>

#include "platform/fensterdruck.h"
#include "tests/platform/drucksystem.h"

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
    };
    for (const Fall& fall : {Fall{"Die Warteschlange weist Aufträge ab", Drucksystem::Weist, false},
                             Fall{"Das Drucksystem ist fort", Drucksystem::Nimmt, true}}) {
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

        EXPECT_FALSE(platform::Ausdruck(drucker, testbild({640, 480}), output::DruckBild1));
        EXPECT_EQ(system.dokumente(), vorher);
        if (!fall.systemFort) {
            EXPECT_TRUE(system.auftraege(fall.warteschlange).empty());
        }
    }
}

}  // namespace
}  // namespace fluvan::test
