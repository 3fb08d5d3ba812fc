#include "platform/bmpspeicherung.h"

#include <sys/fsuid.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/fensteraufnahme.h"
#include "tests/platform/ausgabe.h"
#include "tests/platform/dateigrenze.h"

namespace fluvan::test {
namespace {

// File permissions bind root too while its file-system user is "nobody".
class OhneRootrechte {
public:
    OhneRootrechte() : vorher(::geteuid() == 0 ? ::setfsuid(65534) : -1) {}
    ~OhneRootrechte() {
        if (vorher >= 0) ::setfsuid(static_cast<uid_t>(vorher));
    }

private:
    int vorher;
};

QByteArray inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class BmpSpeicherungTest : public Ausgabetest {
protected:
    void SetUp() override {
        Ausgabetest::SetUp();
        fenster.show();
    }
    Testfenster fenster{640, 480};
    platform::BmpSpeicherung CommonDialog1;
};

TEST_F(BmpSpeicherungTest, GenauUnterDemNamenDieAufnahme) {
    // A name without extension stays as typed.
    const QString name = pfad(QStringLiteral("Blatt ohne Endung"));
    speicherdialog.antwort = name;
    CommonDialog1.speichern(fenster, *fenster.Picture1);

    ASSERT_EQ(speicherdialog.gefragt.size(), 1u);
    EXPECT_EQ(speicherdialog.gefragt[0].Filter, QStringLiteral("*.bmp"));
    EXPECT_EQ(speicherdialog.gefragt[0].FileName, QString());
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("Blatt ohne Endung")});
    EXPECT_TRUE(inhalt(name).startsWith("BM"));
    const QImage gelesen(name, "bmp");
    EXPECT_EQ(gelesen.size(), QSize(640, 480));
    EXPECT_TRUE(gleichePixel(gelesen, platform::bildVon(*fenster.Picture1)));
    // After a save the picture stays on the clipboard.
    EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, gelesen));
    EXPECT_TRUE(meldungen.gezeigt.empty());
}

TEST_F(BmpSpeicherungTest, ZweiterDialogSchlaegtDenErstenNamenVor) {
    const QString name = pfad(QStringLiteral("blatt.bmp"));
    speicherdialog.antwort = name;
    CommonDialog1.speichern(fenster, *fenster.Picture1);
    fenster.faerbeBlock(QColor(250, 200, 0));
    CommonDialog1.speichern(fenster, *fenster.Picture1);

    ASSERT_EQ(speicherdialog.gefragt.size(), 2u);
    EXPECT_EQ(speicherdialog.gefragt[1].FileName, name);
    // Confirmed again: replaced by the second capture.
    EXPECT_TRUE(gleichePixel(QImage(name, "bmp"), platform::bildVon(*fenster.Picture1)));

    // Cancelled a third time: nothing written, the name still remembered.
    const QByteArray vorher = inhalt(name);
    speicherdialog.antwort = std::nullopt;
    fenster.faerbeBlock(QColor(0, 0, 0));
    CommonDialog1.speichern(fenster, *fenster.Picture1);
    EXPECT_EQ(inhalt(name), vorher);
    EXPECT_EQ(CommonDialog1.FileName, name);
    EXPECT_TRUE(meldungen.gezeigt.empty());
}

TEST_F(BmpSpeicherungTest, AbbruchOderLeererNameSchreibtNichts) {
    struct Fall {
        const char* name;
        std::optional<QString> antwort;
    };
    for (const Fall& fall : {Fall{"Abbruch", std::nullopt}, Fall{"leerer Name", QString()}}) {
        SCOPED_TRACE(fall.name);
        speicherdialog.antwort = fall.antwort;
        CommonDialog1.speichern(fenster, *fenster.Picture1);
        EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files).isEmpty());
        EXPECT_TRUE(meldungen.gezeigt.empty());
        // The capture is on the clipboard and in the holder all the same.
        EXPECT_EQ(zwischenablage.inhalt.size(), QSize(640, 480));
        EXPECT_TRUE(gleichePixel(zwischenablage.inhalt, platform::bildVon(*fenster.Picture1)));
    }
}

TEST_F(BmpSpeicherungTest, DieAufnahmeNichtWasSpaeterAufDerZwischenablageLiegt) {
    // Another program puts a picture on the clipboard while the dialog is open.
    speicherdialog.antwort = pfad(QStringLiteral("blatt.bmp"));
    speicherdialog.waehrendDesDialogs = [&] {
        QImage fremd(50, 50, QImage::Format_RGB32);
        fremd.fill(Qt::magenta);
        zwischenablage.setzeBild(fremd);
    };
    CommonDialog1.speichern(fenster, *fenster.Picture1);
    const QImage gelesen(*speicherdialog.antwort, "bmp");
    EXPECT_EQ(gelesen.size(), QSize(640, 480));
    EXPECT_TRUE(gleichePixel(gelesen, platform::bildVon(*fenster.Picture1)));
}

TEST_F(BmpSpeicherungTest, NichtSchreibbarZeigtDieMeldungUndLaesstDieDateiStehen) {
    struct Fall {
        const char* name;
        QString datei;
    };
    for (const Fall& fall : {Fall{"Name, den das Dateisystem ablehnt", pfad(QString(300, QLatin1Char('x')))},
                             Fall{"Ordner, den es nicht gibt", pfad(QStringLiteral("fehlt/blatt.bmp"))}}) {
        SCOPED_TRACE(fall.name);
        meldungen.gezeigt.clear();
        speicherdialog.antwort = fall.datei;
        CommonDialog1.speichern(fenster, *fenster.Picture1);
        EXPECT_EQ(meldungen.gezeigt, fehlschlag());
        EXPECT_FALSE(QFileInfo::exists(fall.datei));
    }

    // A folder that cannot be written, holding a file that can: the old file
    // stays as it was, not half replaced.
    const QString gesperrt = pfad(QStringLiteral("gesperrt"));
    ASSERT_TRUE(QDir().mkdir(gesperrt));
    const QString name = gesperrt + QStringLiteral("/blatt.bmp");
    {
        QFile alt(name);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    const auto lesen = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto betreten = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QFile::setPermissions(ordner.path(), lesen | betreten | QFile::WriteOwner);
    QFile::setPermissions(name, lesen | QFile::WriteOwner);
    QFile::setPermissions(gesperrt, lesen | betreten);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(gesperrt.toLocal8Bit().constData(), 65534, 65534), 0);
        ASSERT_EQ(::chown(name.toLocal8Bit().constData(), 65534, 65534), 0);
    }
    meldungen.gezeigt.clear();
    speicherdialog.antwort = name;
    {
        OhneRootrechte ohne;
        QFile probe(gesperrt + QStringLiteral("/probe"));
        ASSERT_FALSE(probe.open(QIODevice::WriteOnly)) << "the folder is writable all the same";
        ASSERT_TRUE(QFileInfo(name).isWritable());
        CommonDialog1.speichern(fenster, *fenster.Picture1);
    }
    QFile::setPermissions(gesperrt, lesen | betreten | QFile::WriteOwner);
    if (::geteuid() == 0) (void)::chown(gesperrt.toLocal8Bit().constData(), 0, 0);
    EXPECT_EQ(meldungen.gezeigt, fehlschlag());
    EXPECT_EQ(inhalt(name), QByteArray("alt"));
    EXPECT_EQ(QDir(gesperrt).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("blatt.bmp")});
}

// The disk fills up within the picture's last bytes: the box, and the old
// file as it was, not replaced by a cut one.
TEST_F(BmpSpeicherungTest, KnappVollLaesstDieAlteDateiStehen) {
    const QString ganz = pfad(QStringLiteral("ganz.bmp"));
    speicherdialog.antwort = ganz;
    CommonDialog1.speichern(fenster, *fenster.Picture1);
    const qint64 groesse = QFileInfo(ganz).size();
    ASSERT_GT(groesse, 1000);

    const QString name = pfad(QStringLiteral("blatt.bmp"));
    {
        QFile alt(name);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    speicherdialog.antwort = name;
    {
        const Dateigrenze grenze(static_cast<rlim_t>(groesse - 10));
        CommonDialog1.speichern(fenster, *fenster.Picture1);
    }
    EXPECT_EQ(meldungen.gezeigt, fehlschlag());
    EXPECT_EQ(inhalt(name), QByteArray("alt"));
}

}  // namespace
}  // namespace fluvan::test
