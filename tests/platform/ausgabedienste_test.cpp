#include "platform/ausgabedienste.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <string_view>
#include <vector>

#include "tests/platform/ausgabe.h"
#include "tests/platform/ausgabeprotokoll.h"

namespace fluvan::platform {
namespace {

TEST(QtZwischenablage, BildHineinUndWiederLeer) {
    QtZwischenablage zwischenablage;
    QImage bild(40, 30, QImage::Format_RGB32);
    bild.fill(QColor(30, 80, 160));
    bild.setPixelColor(3, 4, Qt::red);
    zwischenablage.setzeBild(bild);
    EXPECT_EQ(zwischenablage.bild().convertToFormat(QImage::Format_RGB32), bild);
    zwischenablage.Clear();
    EXPECT_TRUE(zwischenablage.bild().isNull());
}

// Should the dialog not be found, it is closed all the same: no test blocks.
class Wache {
public:
    Wache() {
        zeit.setSingleShot(true);
        QObject::connect(&zeit, &QTimer::timeout, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) QMetaObject::invokeMethod(dialog, "reject");
        });
        zeit.start(5000);
    }

private:
    QTimer zeit;
};

struct Gesehen {
    QStringList filter;
    QString vorschlag, endung;
    bool ueberschreibfrage = false;
};

// Looks at the save dialog once it is up, then types a name and confirms, or
// cancels.
Gesehen speichernMit(const QString& FileName, const QString& eingabe, std::optional<QString>& ergebnis) {
    Gesehen gesehen;
    Wache wache;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        gesehen = {dialog->nameFilters(), dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
                   dialog->defaultSuffix(), !dialog->testOption(QFileDialog::DontConfirmOverwrite)};
        if (eingabe.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(eingabe);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    ergebnis = QtSpeicherdialog().ShowSave(QStringLiteral("*.bmp"), FileName);
    return gesehen;
}

TEST(QtSpeicherdialog, FilterVorschlagUndKeineEndung) {
    QTemporaryDir ordner;
    const QString vorschlag = ordner.filePath(QStringLiteral("blatt.bmp"));
    std::optional<QString> ergebnis;
    const Gesehen gesehen = speichernMit(vorschlag, ordner.filePath(QStringLiteral("neu")), ergebnis);
    EXPECT_EQ(gesehen.filter, QStringList{QStringLiteral("*.bmp")});
    EXPECT_EQ(gesehen.vorschlag, QStringLiteral("blatt.bmp"));
    EXPECT_EQ(gesehen.endung, QString());
    EXPECT_TRUE(gesehen.ueberschreibfrage);
    ASSERT_TRUE(ergebnis);
    EXPECT_EQ(*ergebnis, ordner.filePath(QStringLiteral("neu")));

    speichernMit(QString(), QString(), ergebnis);
    EXPECT_FALSE(ergebnis);
}

TEST(QtDruckdialog, AbbruchMeldetFalsch) {
    QPrinter drucker;
    Wache wache;
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    EXPECT_FALSE(QtDruckdialog().ShowPrinter(drucker));
}

// Each stand-in for xdg-open notes the document it was given in the file
// "gegeben" beside it.
QByteArray merktDasDokument(const QString& ordner) {
    return "printf '%s' \"$1\" > '" + QFile::encodeName(ordner) + "/gegeben'\n";
}

std::string gegeben(const QString& ordner) {
    QFile datei(ordner + QStringLiteral("/gegeben"));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().toStdString() : "<nothing>";
}

using test::Ausgabeprotokoll;
using test::sagtWarum;

TEST(QtStarter, NurWennDerOeffnerGelingtIstDasDokumentOffen) {
    struct Fall {
        const char* name;
        const char* skript;  // nullptr: no xdg-open at all
        bool geoeffnet;
        const char* grund;  // in the line on the failure
        const char* shell = "/bin/sh";
    };
    const Fall faelle[] = {
        // What xdg-open says and does when the desktop has no application for
        // the document.
        {"keine Anwendung", "echo \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n", false,
         "xdg-open ended with status 3"},
        {"Anwendung gestartet", "exit 0\n", true, nullptr},
        {"Anwendung scheitert", "exit 4\n", false, "ended with status 4"},
        {"Oeffner stirbt", "kill -KILL $$\n", false, "xdg-open crashed"},
        {"Oeffner startet nicht", "exit 0\n", false, "xdg-open could not start", "/gibt/es/nicht"},
        {"kein Oeffner installiert", nullptr, false, "xdg-open or xdg-mime not installed"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir ordner;
        test::Umgebung umgebung;
        const QString dokument = ordner.filePath(QStringLiteral("Ein Dokument.rtf"));
        if (fall.skript) {
            ASSERT_TRUE(test::falscherOeffner(umgebung, ordner.path(), merktDasDokument(ordner.path()) + fall.skript,
                                              fall.shell));
        } else {
            umgebung.setze("PATH", ordner.path());
            umgebung.setze("DISPLAY", QStringLiteral(":7919"));
        }
        // The starter may go before its outcome comes.
        std::vector<bool> ausgaenge;
        Ausgabeprotokoll protokoll;
        QtStarter(std::chrono::seconds(30)).oeffnen(dokument, [&](bool geoeffnet) { ausgaenge.push_back(geoeffnet); });
        ASSERT_TRUE(QTest::qWaitFor([&] { return !ausgaenge.empty(); }, 20000));
        EXPECT_EQ(ausgaenge, std::vector<bool>{fall.geoeffnet});
        const bool laeuft = fall.skript && std::string_view(fall.shell) == "/bin/sh";
        EXPECT_EQ(gegeben(ordner.path()), laeuft ? dokument.toStdString() : "<nothing>");
        sagtWarum(protokoll.zeilen(), fall.grund);
    }
}

// What a stand-in for xdg-mime answers: the document's type, and for
// application/rtf the application's desktop entry.
QByteArray xdgMime(const char* typ, const char* eintrag) {
    return QByteArray("case \"$2\" in\n  filetype) echo '") + typ +
           "' ;;\n  default) [ \"$3\" = application/rtf ] && echo '" + eintrag + "' ;;\nesac\n";
}

// The opener runs only for an application that the desktop has registered
// for the document's type itself and whose desktop entry is where xdg-open
// looks for it; without one xdg-open would take any browser and report
// success. KDE names any application for plain text for an RTF document, as
// RTF is a kind of plain text: its entry does not list RTF.
TEST(QtStarter, NurMitRegistrierterAnwendungLaeuftDerOeffner) {
    struct Fall {
        const char* name;
        QByteArray xdgMime;  // empty: none installed
        const char* datei;   // where the entry lies below the folder of applications
        bool geoeffnet;
        const char* grund = nullptr;       // in the line on the failure
        QByteArray typen = test::FuerRtf;  // the end of the entry
        const char* system = nullptr;      // the end of an entry of the same name in XDG_DATA_DIRS
        bool anzeige = true;
        std::chrono::milliseconds geduld = std::chrono::seconds(30);
    };
    const QByteArray rtf = xdgMime("application/rtf", "textverarbeitung.desktop");
    const Fall faelle[] = {
        {.name = "registriert", .xdgMime = rtf, .datei = "textverarbeitung.desktop", .geoeffnet = true},
        {.name = "keine Anwendung",
         .xdgMime = xdgMime("application/rtf", ""),
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "xdg-open finds no such entry"},
        {.name = "Eintrag fehlt",
         .xdgMime = xdgMime("application/rtf", "weg.desktop"),
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "\"weg.desktop\" and xdg-open finds no such entry"},
        {.name = "Eintrag in einem Unterordner",
         .xdgMime = rtf,
         .datei = "unten/textverarbeitung.desktop",
         .geoeffnet = true},
        {.name = "Hersteller als Ordner",
         .xdgMime = xdgMime("application/rtf", "hersteller-textverarbeitung.desktop"),
         .datei = "hersteller/textverarbeitung.desktop",
         .geoeffnet = true},
        {.name = "Typ mit Parametern",
         .xdgMime = xdgMime("application/rtf; charset=binary", "textverarbeitung.desktop"),
         .datei = "textverarbeitung.desktop",
         .geoeffnet = true},
        {.name = "Typ unbekannt",
         .xdgMime = xdgMime("", "textverarbeitung.desktop"),
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "xdg-mime query filetype answered"},
        {.name = "xdg-mime antwortet nicht",
         .xdgMime = "exec sleep 60\n",
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "xdg-mime query filetype answered",
         .geduld = std::chrono::seconds(1)},
        {.name = "kein xdg-mime",
         .xdgMime = {},
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "xdg-open or xdg-mime not installed"},
        {.name = "ohne Anzeige",
         .xdgMime = rtf,
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "no display",
         .anzeige = false},
        // What the entry says.
        {.name = "nur fuer Text",
         .xdgMime = rtf,
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "is registered for \"text/plain;text/x-log\" not for \"application/rtf\"",
         .typen = "MimeType=text/plain;text/x-log;\n"},
        {.name = "ohne Typen",
         .xdgMime = rtf,
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "not for",
         .typen = {}},
        {.name = "nur unter dem anderen Namen",
         .xdgMime = rtf,
         .datei = "textverarbeitung.desktop",
         .geoeffnet = true,
         .typen = "MimeType=text/plain;text/rtf\n"},
        {.name = "Dokument unter dem anderen Namen",
         .xdgMime = "case \"$2\" in\n  filetype) echo text/rtf ;;\n"
                    "  default) [ \"$3\" = text/rtf ] && echo textverarbeitung.desktop ;;\nesac\n",
         .datei = "textverarbeitung.desktop",
         .geoeffnet = true,
         .typen = "MimeType=application/rtf;\n"},
        {.name = "Leerzeichen um das Gleichheitszeichen",
         .xdgMime = rtf,
         .datei = "textverarbeitung.desktop",
         .geoeffnet = true,
         .typen = "MimeType = text/plain;application/rtf;\r\n"},
        {.name = "RTF nur in einer anderen Gruppe",
         .xdgMime = rtf,
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "not for",
         .typen = "MimeType=text/plain;\n\n[Desktop Action neu]\nMimeType=application/rtf;\n"},
        {.name = "RTF nur in einem aehnlichen Schluessel",
         .xdgMime = rtf,
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "not for",
         .typen = "X-MimeType=application/rtf;\nMimeType=text/plain;\n"},
        // xdg-open runs the user's entry before the system's.
        {.name = "Eintrag des Benutzers nur fuer Text",
         .xdgMime = rtf,
         .datei = "textverarbeitung.desktop",
         .geoeffnet = false,
         .grund = "not for",
         .typen = "MimeType=text/plain;\n",
         .system = test::FuerRtf},
        {.name = "Eintrag des Benutzers fuer RTF",
         .xdgMime = rtf,
         .datei = "textverarbeitung.desktop",
         .geoeffnet = true,
         .system = "MimeType=text/plain;\n"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QTemporaryDir ordner;
        test::Umgebung umgebung;
        ASSERT_TRUE(test::falscherOeffner(umgebung, ordner.path(), merktDasDokument(ordner.path()) + "exit 0\n"));
        ASSERT_TRUE(QFile::remove(ordner.filePath(QStringLiteral("applications/textverarbeitung.desktop"))));
        const QString programm = ordner.filePath(QStringLiteral("textverarbeitung"));
        ASSERT_TRUE(test::desktopEintrag(ordner.path(), QString::fromUtf8(fall.datei), programm, fall.typen));
        if (fall.system) {
            const QString system = ordner.filePath(QStringLiteral("system"));
            ASSERT_TRUE(test::desktopEintrag(system, QString::fromUtf8(fall.datei), programm, fall.system));
            umgebung.setze("XDG_DATA_DIRS", system);
        }
        if (fall.xdgMime.isEmpty()) {
            ASSERT_TRUE(QFile::remove(ordner.filePath(QStringLiteral("xdg-mime"))));
            umgebung.setze("PATH", ordner.path());
        } else {
            ASSERT_TRUE(test::skript(ordner.path(), QStringLiteral("xdg-mime"), fall.xdgMime));
        }
        if (!fall.anzeige) umgebung.entferne("DISPLAY");

        const QString dokument = ordner.filePath(QStringLiteral("Dokument.rtf"));
        std::vector<bool> ausgaenge;
        Ausgabeprotokoll protokoll;
        QtStarter(fall.geduld).oeffnen(dokument, [&](bool geoeffnet) { ausgaenge.push_back(geoeffnet); });
        ASSERT_TRUE(QTest::qWaitFor([&] { return !ausgaenge.empty(); }, 20000));
        EXPECT_EQ(ausgaenge, std::vector<bool>{fall.geoeffnet});
        EXPECT_EQ(gegeben(ordner.path()), fall.geoeffnet ? dokument.toStdString() : "<nothing>");
        sagtWarum(protokoll.zeilen(), fall.grund);
    }
}

// Without a known desktop xdg-open runs the application in the foreground and
// ends only when that closes: the starter does not wait for it, and takes it
// for opened once its patience has run out.
TEST(QtStarter, WartetNichtAufDieAnwendung) {
    QTemporaryDir ordner;
    test::Umgebung umgebung;
    ASSERT_TRUE(test::oeffnerImVordergrund(umgebung, ordner.path(), merktDasDokument(ordner.path())));
    const QString dokument = ordner.filePath(QStringLiteral("Dokument.rtf"));
    std::vector<bool> ausgaenge;
    QElapsedTimer zeit;
    zeit.start();
    QtStarter(std::chrono::milliseconds(1500)).oeffnen(dokument, [&](bool geoeffnet) {
        ausgaenge.push_back(geoeffnet);
    });
    EXPECT_LT(zeit.elapsed(), 1000);
    EXPECT_TRUE(ausgaenge.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ausgaenge.empty(); }, 10000));
    EXPECT_GT(zeit.elapsed(), 1000);  // a coarse timer may end a little early
    EXPECT_EQ(ausgaenge, std::vector<bool>{true});
    EXPECT_EQ(gegeben(ordner.path()), dokument.toStdString());

    // The application still runs, though the starter is gone; the test ends
    // it, and its end changes the outcome no more.
    EXPECT_TRUE(test::beendeAnwendung(ordner.path()));
    EXPECT_EQ(ausgaenge, std::vector<bool>{true});
}

}  // namespace
}  // namespace fluvan::platform
