#include "platform/wordanwendung.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>
#include <QUrl>

#include "platform/fensteraufnahme.h"
#include "tests/platform/ausgabe.h"

namespace fluvan::test {
namespace {

class WordAnwendungTest : public Ausgabetest {
protected:
    void SetUp() override {
        Ausgabetest::SetUp();
        fenster.show();
    }
    // mnuWord_Click: the capture, then the hand-over of the holder's picture.
    void mnuWord_Click() { uebergib(fenster); }
    static void uebergib(Testfenster& von) {
        if (platform::Fensteraufnahme(von, *von.Picture1))
            platform::WordAnwendungStarten(platform::bildVon(*von.Picture1));
    }
    // A hand-over through the desktop's real opener, waited for; the picture
    // handed over.
    QImage uebergibUndWarte(int frist) {
        zwischenablage = FakeZwischenablage();
        meldungen.gezeigt.clear();
        mnuWord_Click();
        const QImage bild = platform::bildVon(*fenster.Picture1);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !meldungen.gezeigt.empty() || zwischenablage.inhalt.isNull(); }, frist));
        return bild;
    }
    // Taken: no box, the clipboard cleared. Not taken: the box, the picture
    // kept on the clipboard and no document left.
    void pruefeAusgang(bool genommen, const QImage& bild, const EigenerTempOrdner& privat) {
        if (genommen) {
            EXPECT_TRUE(meldungen.gezeigt.empty());
            EXPECT_EQ(zwischenablage.schritte, (std::vector<std::string>{"Bild", "Clear"}));
        } else {
            EXPECT_EQ(meldungen.gezeigt, fehlschlag());
            EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, bild));
            EXPECT_EQ(zwischenablage.schritte, (std::vector<std::string>{"Bild"}));
            EXPECT_EQ(privat.inhalt(), "");
        }
    }
    Testfenster fenster{640, 480};
    EigenerTempOrdner temp;
};

// The outcome of each hand-over comes inside the call or later (the
// parameter); later, it finds the picture still on the clipboard, the document
// in place and nothing said yet.
class WordAnwendungAusgang : public WordAnwendungTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        WordAnwendungTest::SetUp();
        starter.spaeter = GetParam();
    }
    void uebergabe() {
        const std::size_t gesagt = meldungen.gezeigt.size();
        mnuWord_Click();
        if (!starter.spaeter) return;
        EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, platform::bildVon(*fenster.Picture1)));
        ASSERT_FALSE(starter.geoeffnet.empty());
        EXPECT_TRUE(QFileInfo::exists(starter.geoeffnet.back()));
        EXPECT_EQ(meldungen.gezeigt.size(), gesagt);
        starter.melde();
    }
};

INSTANTIATE_TEST_SUITE_P(Ausgang, WordAnwendungAusgang, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "spaeter" : "sofort"; });

TEST_P(WordAnwendungAusgang, JedesMalEinNeuesDokumentMitDerAufnahme) {
    uebergabe();
    const QImage erstes = platform::bildVon(*fenster.Picture1);
    fenster.faerbeBlock(QColor(250, 200, 0));
    uebergabe();
    const QImage zweites = platform::bildVon(*fenster.Picture1);

    ASSERT_EQ(starter.geoeffnet.size(), 2u);
    EXPECT_NE(starter.geoeffnet[0], starter.geoeffnet[1]);
    EXPECT_TRUE(gleichePixel(eingebettetesBild(starter.geoeffnet[0]), erstes));
    EXPECT_TRUE(gleichePixel(eingebettetesBild(starter.geoeffnet[1]), zweites));
    EXPECT_FALSE(gleichePixel(erstes, zweites));
    // Both in one folder that only this user may read.
    const QFileInfo ordnerInfo(QFileInfo(starter.geoeffnet[0]).path());
    EXPECT_EQ(ordnerInfo.absoluteFilePath(), QFileInfo(starter.geoeffnet[1]).path());
    EXPECT_EQ(ordnerInfo.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther), 0);
    EXPECT_TRUE(starter.geoeffnet[0].endsWith(QStringLiteral(".rtf")));

    // After each hand-over the clipboard is empty.
    EXPECT_EQ(zwischenablage.schritte, (std::vector<std::string>{"Bild", "Clear", "Bild", "Clear"}));
    EXPECT_TRUE(zwischenablage.inhalt.isNull());
    EXPECT_TRUE(meldungen.gezeigt.empty());
}

TEST_P(WordAnwendungAusgang, OhneTextverarbeitungBleibtDasBildAufDerZwischenablage) {
    starter.gelingt = [](const QString&) { return false; };
    uebergabe();

    EXPECT_EQ(meldungen.gezeigt, fehlschlag());
    EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, platform::bildVon(*fenster.Picture1)));
    EXPECT_EQ(zwischenablage.schritte, (std::vector<std::string>{"Bild"}));
    // The document nobody opened is gone again, and its folder with it.
    ASSERT_EQ(starter.geoeffnet.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(starter.geoeffnet[0]));
    EXPECT_EQ(temp.inhalt(), "");
}

// The document of an earlier hand-over stays for the word processor, in the
// same folder.
TEST_P(WordAnwendungAusgang, FehlschlagLaesstFruehereDokumenteStehen) {
    uebergabe();
    starter.gelingt = [](const QString&) { return false; };
    uebergabe();

    ASSERT_EQ(starter.geoeffnet.size(), 2u);
    EXPECT_TRUE(QFileInfo::exists(starter.geoeffnet[0]));
    EXPECT_FALSE(QFileInfo::exists(starter.geoeffnet[1]));
    EXPECT_EQ(meldungen.gezeigt, fehlschlag());
}

// The sheet hands over, then the diagram before the sheet's outcome has
// come. A success clears the clipboard only while it holds its own picture,
// so whichever outcome comes last, the diagram's failure keeps its picture
// there; a success of the diagram clears it.
TEST_F(WordAnwendungTest, ZweiUebergabenZugleich) {
    struct Fall {
        const char* name;
        bool diagrammGelingt;
        bool diagrammSofort;  // its outcome comes inside its call, the sheet's later
        bool diagrammZuerst;  // of the outcomes held back, the diagram's comes first
    };
    const Fall faelle[] = {
        {"Diagramm scheitert sofort", false, true, false},
        {"Diagramm scheitert vor dem Erfolg des Blatts", false, false, true},
        {"Diagramm scheitert nach dem Erfolg des Blatts", false, false, false},
        {"Diagramm gelingt sofort", true, true, false},
        {"beide gelingen, das Diagramm zuerst", true, false, true},
        {"beide gelingen, das Blatt zuerst", true, false, false},
    };
    Testfenster diagramm(400, 300);
    diagramm.faerbeBlock(QColor(250, 200, 0));
    diagramm.show();
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        zwischenablage = FakeZwischenablage();
        starter = AufzeichnenderStarter();
        meldungen.gezeigt.clear();

        starter.spaeter = true;
        mnuWord_Click();
        starter.spaeter = !fall.diagrammSofort;
        starter.gelingt = [&](const QString&) { return fall.diagrammGelingt; };
        uebergib(diagramm);
        if (fall.diagrammZuerst) starter.melde(1);
        starter.melde();

        std::vector<std::string> schritte{"Bild", "Bild"};
        if (fall.diagrammGelingt) schritte.push_back("Clear");
        EXPECT_EQ(zwischenablage.schritte, schritte);
        if (fall.diagrammGelingt) {
            EXPECT_TRUE(meldungen.gezeigt.empty());
        } else {
            EXPECT_EQ(meldungen.gezeigt, fehlschlag());
            EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, platform::bildVon(*diagramm.Picture1)));
        }
    }
}

// Another program puts its own content on the clipboard before the word
// processor has taken the document: the success leaves it there.
TEST_F(WordAnwendungTest, ErfolgLaesstFremdenInhaltStehen) {
    platform::QtZwischenablage qtZwischenablage;
    platform::dienste().zwischenablage = &qtZwischenablage;
    QClipboard& zwischenablage = *QGuiApplication::clipboard();
    starter.spaeter = true;

    mnuWord_Click();
    zwischenablage.setText(QStringLiteral("aus einem anderen Programm"));
    starter.melde();
    EXPECT_EQ(zwischenablage.text().toStdString(), "aus einem anderen Programm");

    // Without it, the success clears the clipboard.
    mnuWord_Click();
    EXPECT_FALSE(zwischenablage.image().isNull());
    starter.melde();
    EXPECT_TRUE(zwischenablage.image().isNull());
    EXPECT_TRUE(zwischenablage.text().isEmpty());
    EXPECT_TRUE(meldungen.gezeigt.empty());
}

// Where a desktop names "textverarbeitung.desktop" for RTF documents.
enum class Registrierung { keine, Standard, nurImCache };

// As the user's default, with the entry for `programm`; or only in the cache
// of a folder of applications, with no entry left.
bool registriere(const QString& desktop, Registrierung art, const QString& programm) {
    if (art == Registrierung::keine) return true;
    const bool cache = art == Registrierung::nurImCache;
    if (!QDir().mkpath(desktop + QStringLiteral("/applications"))) return false;
    QFile liste(desktop + (cache ? QStringLiteral("/applications/mimeinfo.cache") : QStringLiteral("/mimeapps.list")));
    if (!liste.open(QIODevice::WriteOnly) ||
        liste.write(QByteArray(cache ? "[MIME Cache]\n" : "[Default Applications]\n") +
                    "application/rtf=textverarbeitung.desktop;\ntext/rtf=textverarbeitung.desktop;\n") < 0)
        return false;
    return cache || desktopEintrag(desktop, QStringLiteral("textverarbeitung.desktop"), programm);
}

// A program that notes its first argument in the file `notiz`, then does as
// `danach` says.
QByteArray merkt(const QString& notiz, const QByteArray& danach) {
    return "printf '%s' \"$1\" > '" + QFile::encodeName(notiz) + "'\n" + danach + "\n";
}

// The desktop's real opener and xdg-mime on a desktop of the test's own,
// where a browser takes anything: $BROWSER, or else x-www-browser and
// www-browser on the search path, note that they were called and succeed.
// Only an application registered for RTF documents counts, and only when it
// takes the document.
TEST_F(WordAnwendungTest, XdgOpenNurMitRegistrierterAnwendung) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
        GTEST_SKIP() << "xdg-utils not installed";
    if (QStandardPaths::findExecutable(QStringLiteral("file")).isEmpty() &&
        QStandardPaths::findExecutable(QStringLiteral("mimetype")).isEmpty())
        GTEST_SKIP() << "xdg-mime cannot tell a document's type: neither file nor mimetype installed";
    struct Fall {
        const char* name;
        Registrierung registrierung;
        const char* anwendung;  // what the application does with the document; nullptr: its program is missing
        bool geoeffnet;
        bool angekommen;  // the application got the document
        bool browserVariable = true;
        bool anzeige = true;
    };
    const Fall faelle[] = {
        {"nur ein Browser in $BROWSER", Registrierung::keine, nullptr, false, false},
        {"nur x-www-browser", Registrierung::keine, nullptr, false, false, false},
        {"registrierte Anwendung", Registrierung::Standard, "exit 0", true, true},
        {"registrierte Anwendung scheitert", Registrierung::Standard, "exit 1", false, true},
        {"Programm der Anwendung fehlt", Registrierung::Standard, nullptr, false, false},
        {"Eintrag nur noch im Cache", Registrierung::nurImCache, "exit 0", false, false},
        {"ohne Anzeige", Registrierung::Standard, "exit 0", false, false, false, false},
    };
    platform::QtStarter xdgOpen(std::chrono::seconds(60));
    platform::dienste().starter = &xdgOpen;
    int nummer = 0;
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const QString desktop = pfad(QStringLiteral("desktop-%1").arg(++nummer));
        const QString programme = desktop + QStringLiteral("/bin");
        ASSERT_TRUE(QDir().mkpath(programme));
        Umgebung umgebung;
        eigenerDesktop(umgebung, desktop, fall.anzeige);
        if (!fall.browserVariable) umgebung.entferne("BROWSER");
        umgebung.setze("PATH", programme + QLatin1Char(':') + qEnvironmentVariable("PATH"));
        const QByteArray browser = merkt(desktop + QStringLiteral("/browser-gerufen"), "exit 0");
        ASSERT_TRUE(skript(desktop, QStringLiteral("browser"), browser));
        ASSERT_TRUE(skript(programme, QStringLiteral("x-www-browser"), browser));
        ASSERT_TRUE(skript(programme, QStringLiteral("www-browser"), browser));
        const QString angekommen = desktop + QStringLiteral("/angekommen");
        if (fall.anwendung) {
            ASSERT_TRUE(skript(programme, QStringLiteral("textverarbeitung"), merkt(angekommen, fall.anwendung)));
        }
        ASSERT_TRUE(registriere(desktop, fall.registrierung, programme + QStringLiteral("/textverarbeitung")));

        EigenerTempOrdner privat;
        const QImage bild = uebergibUndWarte(30000);
        pruefeAusgang(fall.geoeffnet, bild, privat);
        QFile dokument(angekommen);
        EXPECT_EQ(dokument.exists(), fall.angekommen);
        if (fall.geoeffnet && dokument.open(QIODevice::ReadOnly)) {
            EXPECT_TRUE(gleichePixel(eingebettetesBild(QFile::decodeName(dokument.readAll())), bild));
        }
        EXPECT_FALSE(QFileInfo::exists(desktop + QStringLiteral("/browser-gerufen")));
    }
}

// KDE's real route: xdg-mime asks KDE's trader, which names any application
// for plain text for an RTF document, and xdg-open hands it to kde-open5. An
// editor registered for plain text alone gets no document; an application for
// RTF beside it gets it.
TEST_F(WordAnwendungTest, XdgOpenAufKde) {
    for (const char* programm : {"xdg-open", "xdg-mime", "ktraderclient5", "kmimetypefinder5", "kde-open5"})
        if (QStandardPaths::findExecutable(QString::fromUtf8(programm)).isEmpty())
            GTEST_SKIP() << programm << " not installed (kde-cli-tools, xdg-utils)";
    // KDE's menu, which its trader needs to see any application, and the
    // shared MIME database, which tells it RTF from plain text.
    const QString menue = QStringLiteral("/etc/xdg");
    const QString mime = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("mime"),
                                                QStandardPaths::LocateDirectory);
    if (!QFileInfo::exists(menue + QStringLiteral("/menus/kf5-applications.menu")) || mime.isEmpty())
        GTEST_SKIP() << "no KDE menu in /etc/xdg/menus or no shared MIME database";
    struct Fall {
        const char* name;
        bool textverarbeitung;  // an application for RTF beside the editor
    };
    const Fall faelle[] = {{"nur ein Editor", false}, {"Editor und Textverarbeitung", true}};
    platform::QtStarter xdgOpen(std::chrono::seconds(60));
    platform::dienste().starter = &xdgOpen;
    int nummer = 0;
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const QString desktop = pfad(QStringLiteral("kde-%1").arg(++nummer));
        const QString programme = desktop + QStringLiteral("/bin");
        ASSERT_TRUE(QDir().mkpath(programme));
        ASSERT_TRUE(QFile::link(mime, desktop + QStringLiteral("/mime")));
        Umgebung umgebung;
        eigenerDesktop(umgebung, desktop, true);
        umgebung.setze("XDG_CONFIG_DIRS", desktop + QLatin1Char(':') + menue);
        umgebung.setze("XDG_CACHE_HOME", desktop + QStringLiteral("/cache"));  // KDE's database of applications
        umgebung.setze("XDG_CURRENT_DESKTOP", QStringLiteral("KDE"));
        umgebung.setze("KDE_SESSION_VERSION", QStringLiteral("5"));
        const QString editorGerufen = desktop + QStringLiteral("/editor-gerufen");
        ASSERT_TRUE(skript(programme, QStringLiteral("editor"), merkt(editorGerufen, "exit 0")));
        ASSERT_TRUE(desktopEintrag(desktop, QStringLiteral("editor.desktop"), programme + QStringLiteral("/editor"),
                                   "MimeType=text/plain;\n"));
        const QString angekommen = desktop + QStringLiteral("/angekommen");
        if (fall.textverarbeitung) {
            ASSERT_TRUE(skript(programme, QStringLiteral("textverarbeitung"), merkt(angekommen, "exit 0")));
            ASSERT_TRUE(desktopEintrag(desktop, QStringLiteral("textverarbeitung.desktop"),
                                       programme + QStringLiteral("/textverarbeitung")));
        }

        EigenerTempOrdner privat;
        const QImage bild = uebergibUndWarte(60000);
        pruefeAusgang(fall.textverarbeitung, bild, privat);
        if (fall.textverarbeitung) {
            // KDE starts the application on its own, after its opener ended.
            QFile dokument(angekommen);
            ASSERT_TRUE(QTest::qWaitFor([&] { return dokument.size() > 0; }, 10000));
            ASSERT_TRUE(dokument.open(QIODevice::ReadOnly));
            EXPECT_TRUE(gleichePixel(eingebettetesBild(QFile::decodeName(dokument.readAll())), bild));
        }
        // Had the editor been started, it would have written by now.
        QTest::qWait(500);
        EXPECT_FALSE(QFileInfo::exists(editorGerufen));
    }
}

// The desktop's real opener, with no application registered for the
// document: the hand-over fails, as on a machine without a word processor.
TEST_F(WordAnwendungTest, XdgOpenOhneAnwendungFuerRtf) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        GTEST_SKIP() << "xdg-open (xdg-utils) not installed";
    Umgebung umgebung;
    ASSERT_TRUE(QDir().mkpath(pfad(QStringLiteral("leer"))));
    eigenerDesktop(umgebung, pfad(QStringLiteral("leer")), false);
    platform::QtStarter xdgOpen(std::chrono::seconds(60));
    platform::dienste().starter = &xdgOpen;

    mnuWord_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !meldungen.gezeigt.empty(); }, 30000));

    EXPECT_EQ(meldungen.gezeigt, fehlschlag());
    EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, platform::bildVon(*fenster.Picture1)));
    EXPECT_EQ(zwischenablage.schritte, (std::vector<std::string>{"Bild"}));
    EXPECT_EQ(temp.inhalt(), "");
}

// Without a known desktop xdg-open runs the word processor in the foreground
// until that closes: the hand-over returns at once all the same, and clears
// the clipboard once the starter's patience has run out.
TEST_F(WordAnwendungTest, WartetNichtAufDieTextverarbeitung) {
    Umgebung umgebung;
    ASSERT_TRUE(oeffnerImVordergrund(umgebung, ordner.path()));
    platform::QtStarter vordergrund(std::chrono::milliseconds(1500));
    platform::dienste().starter = &vordergrund;
    ASSERT_TRUE(platform::Fensteraufnahme(fenster, *fenster.Picture1));
    const QImage bild = platform::bildVon(*fenster.Picture1);

    QElapsedTimer zeit;
    zeit.start();
    platform::WordAnwendungStarten(bild);
    EXPECT_LT(zeit.elapsed(), 1000);
    EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, bild));
    ASSERT_TRUE(QTest::qWaitFor([&] { return zwischenablage.inhalt.isNull(); }, 10000));
    EXPECT_GT(zeit.elapsed(), 1000);  // a coarse timer may end a little early
    EXPECT_EQ(zwischenablage.schritte, (std::vector<std::string>{"Bild", "Clear"}));
    EXPECT_TRUE(meldungen.gezeigt.empty());

    // The document stays for the word processor, which still runs.
    EXPECT_TRUE(beendeAnwendung(ordner.path()));
    const QStringList privat = QDir(QDir::tempPath()).entryList({QStringLiteral("fluvan-*")}, QDir::Dirs);
    ASSERT_EQ(privat.size(), 1);
    EXPECT_EQ(QDir(QDir::tempPath() + QLatin1Char('/') + privat[0]).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(meldungen.gezeigt.empty());
}

// The word processor itself opens a handed-over document: converted to PDF,
// its page holds the window picture.
TEST_F(WordAnwendungTest, TextverarbeitungZeigtDasBild) {
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        GTEST_SKIP() << "no word processor (soffice) installed";
    const QString profil = QUrl::fromLocalFile(pfad(QStringLiteral("profil"))).toString();
    starter.gelingt = [&](const QString& dokument) {
        return werkzeug(QStringLiteral("soffice"),
                        {QStringLiteral("-env:UserInstallation=") + profil, QStringLiteral("--headless"),
                         QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                         ordner.path(), dokument},
                        180)
            .has_value();
    };
    mnuWord_Click();
    ASSERT_TRUE(meldungen.gezeigt.empty());
    ASSERT_EQ(starter.geoeffnet.size(), 1u);
    const QString pdf = pfad(QFileInfo(starter.geoeffnet[0]).completeBaseName() + QStringLiteral(".pdf"));
    ASSERT_TRUE(QFileInfo::exists(pdf));

    // One picture on the page: the capture, as the PDF keeps it (the word
    // processor may compress it with loss).
    const auto liste = werkzeug(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    ASSERT_TRUE(liste);
    const QList<QByteArray> zeilen = liste->trimmed().split('\n');
    ASSERT_EQ(zeilen.size(), 3) << liste->constData();
    const QList<QByteArray> spalten = zeilen[2].simplified().split(' ');
    EXPECT_EQ(spalten.value(0), "1");  // page
    EXPECT_EQ(spalten.value(3).toInt(), 640);
    EXPECT_EQ(spalten.value(4).toInt(), 480);

    ASSERT_TRUE(werkzeug(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, pfad(QStringLiteral("bild"))}));
    const QImage gedruckt(pfad(QStringLiteral("bild-000.png")));
    const QImage aufnahme = platform::bildVon(*fenster.Picture1).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(gedruckt.size(), aufnahme.size());
    double abweichung = 0;
    for (int y = 0; y < aufnahme.height(); ++y)
        for (int x = 0; x < aufnahme.width(); ++x) {
            const QColor a = aufnahme.pixelColor(x, y), b = gedruckt.pixelColor(x, y);
            abweichung += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        }
    EXPECT_LT(abweichung / (3.0 * aufnahme.width() * aufnahme.height()), 4.0);
}

}  // namespace
}  // namespace fluvan::test
