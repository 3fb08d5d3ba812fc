#include "platform/wordanwendung.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
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
    void mnuWord_Click() {
        if (platform::Fensteraufnahme(fenster, *fenster.Picture1))
            platform::WordAnwendungStarten(platform::bildVon(*fenster.Picture1));
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

// The desktop's real opener, with no application registered for the
// document: the hand-over fails, as on a machine without a word processor.
TEST_F(WordAnwendungTest, XdgOpenOhneAnwendungFuerRtf) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        GTEST_SKIP() << "xdg-open (xdg-utils) not installed";
    Umgebung umgebung;
    ASSERT_TRUE(QDir().mkpath(pfad(QStringLiteral("leer"))));
    ohneAnwendungen(umgebung, pfad(QStringLiteral("leer")));
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
