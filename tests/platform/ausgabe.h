#pragma once
// A window with a menu bar and a picture holder, and stand-ins for the
// clipboard, the dialogs and the launcher, for the print, save and hand-over
// commands.
#include <gtest/gtest.h>
#include <signal.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/variable.h"
#include "fakes/fakes.h"
#include "platform/bildhalter.h"
#include "platform/dienste.h"

namespace fluvan::test {

using fakes::AufzeichnendeMeldungen;
using fakes::Meldung;

// Coloured blocks on a grey window, so that a picture of it shows where it
// lies and which way up.
class Testfenster : public QMainWindow {
public:
    Testfenster(int breite, int hoehe) {
        QPalette farben = palette();
        farben.setColor(QPalette::Window, QColor(200, 200, 200));
        farben.setColor(QPalette::Button, QColor(200, 200, 200));
        setPalette(farben);
        menuBar()->addMenu(QStringLiteral("&Diagramm"))->addAction(QStringLiteral("Drucken"));
        auto* inhalt = new QWidget(this);
        setCentralWidget(inhalt);
        block(inhalt, QColor(30, 80, 160), QRect(0, 0, breite, hoehe));
        roterBlock = block(inhalt, QColor(200, 40, 40), QRect(20, 20, 120, 80));
        block(inhalt, QColor(40, 160, 60), QRect(breite - 140, hoehe - 140, 120, 80));
        Picture1 = new platform::Bildhalter(inhalt);
        Picture1->setObjectName(QStringLiteral("Picture1"));
        Picture1->setGeometry(breite / 2, 30, 25, 25);
        setFixedSize(breite, hoehe);
    }
    platform::Bildhalter* Picture1;

    // The window changes between two captures.
    void faerbeBlock(QColor farbe) {
        QPalette farben = roterBlock->palette();
        farben.setColor(QPalette::Window, farbe);
        roterBlock->setPalette(farben);
    }

private:
    QWidget* roterBlock;

    static QWidget* block(QWidget* eltern, QColor farbe, QRect lage) {
        auto* feld = new QWidget(eltern);
        feld->setAutoFillBackground(true);
        QPalette farben = feld->palette();
        farben.setColor(QPalette::Window, farbe);
        feld->setPalette(farben);
        feld->setGeometry(lage);
        return feld;
    }
};

class FakeZwischenablage : public platform::Zwischenablage {
public:
    void Clear() override {
        inhalt = QImage();
        schritte.push_back("Clear");
    }
    void setzeBild(const QImage& bild) override {
        inhalt = bild;
        schritte.push_back("Bild");
    }
    QImage bild() const override { return inhalt; }
    std::uint64_t stand() const override { return schritte.size(); }
    QImage inhalt;
    std::vector<std::string> schritte;
};

// What a printer dialog found on the printer it was shown for.
struct Druckervorschlag {
    QString datei;
    QPageLayout seite;
};

// Confirms with "Print to file" into the next of the given PDF files, after
// the user's own choices; or cancels.
class PdfDruckdialog : public platform::Druckdialog {
public:
    bool ShowPrinter(QPrinter& drucker) override {
        ++gezeigt;
        vorgefunden.push_back({drucker.outputFileName(), drucker.pageLayout()});
        if (abbrechen) return false;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(dateien.at(static_cast<std::size_t>(gezeigt - 1)));
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setPageOrientation(gewaehlt);
        drucker.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        drucker.setColorMode(farbe);
        return true;
    }
    std::vector<QString> dateien;
    QPageLayout::Orientation gewaehlt = QPageLayout::Portrait;
    QPrinter::ColorMode farbe = QPrinter::Color;
    bool abbrechen = false;
    int gezeigt = 0;
    std::vector<Druckervorschlag> vorgefunden;
};

struct Speicherfrage {
    QString Filter, FileName;
};

class FesterSpeicherdialog : public platform::Speicherdialog {
public:
    std::optional<QString> ShowSave(const QString& Filter, const QString& FileName) override {
        gefragt.push_back({Filter, FileName});
        if (waehrendDesDialogs) waehrendDesDialogs();
        return antwort;
    }
    std::optional<QString> antwort;
    std::function<void()> waehrendDesDialogs;
    std::vector<Speicherfrage> gefragt;
};

// Takes every document, or as `gelingt` says. It reports the outcome inside
// the call, or, with `spaeter` set at the call, holds it back until `melde`,
// as the desktop's opener reports it later.
class AufzeichnenderStarter : public platform::Starter {
public:
    void oeffnen(const QString& datei, Ausgang ausgang) override {
        geoeffnet.push_back(datei);
        const bool ja = gelingt ? gelingt(datei) : true;
        if (spaeter)
            ausstehend.push_back([ausgang = std::move(ausgang), ja] { ausgang(ja); });
        else
            ausgang(ja);
    }
    // The outcomes held back, in the order of the calls.
    void melde() {
        for (std::size_t nummer = 0; nummer < ausstehend.size(); ++nummer) melde(nummer);
    }
    // The outcome of one call held back, counted from 0, unless it came.
    void melde(std::size_t nummer) {
        if (const auto ausgang = std::exchange(ausstehend.at(nummer), nullptr)) ausgang();
    }
    std::function<bool(const QString&)> gelingt;
    bool spaeter = false;
    std::vector<QString> geoeffnet;
    std::vector<std::function<void()>> ausstehend;
};

class Ausgabetest : public ::testing::Test {
protected:
    void SetUp() override {
        base::Variable::instanz() = base::Variable{};
        base::Variable::instanz().Sprache = "GB";
        gesichert = platform::dienste();
        platform::Dienste& dienste = platform::dienste();
        dienste.meldungen = &meldungen;
        dienste.zwischenablage = &zwischenablage;
        dienste.druckdialog = &druckdialog;
        dienste.speicherdialog = &speicherdialog;
        dienste.starter = &starter;
        ASSERT_TRUE(ordner.isValid());
    }
    void TearDown() override {
        platform::dienste() = gesichert;
        base::Variable::instanz() = base::Variable{};
    }

    QString pfad(const QString& name) const { return ordner.filePath(name); }

    std::vector<Meldung> fehlschlag() const { return {{"Operation not possible!", base::MeldungsStil::Ausruf}}; }

    QTemporaryDir ordner;
    FakeZwischenablage zwischenablage;
    PdfDruckdialog druckdialog;
    FesterSpeicherdialog speicherdialog;
    AufzeichnenderStarter starter;
    AufzeichnendeMeldungen meldungen;

private:
    platform::Dienste gesichert{};
};

// A program of poppler-utils or the word processor: its output, or nothing
// when it is not installed or fails.
inline std::optional<QByteArray> werkzeug(const QString& programm, const QStringList& argumente, int sekunden = 60) {
    if (QStandardPaths::findExecutable(programm).isEmpty()) return std::nullopt;
    QProcess prozess;
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(sekunden * 1000) || prozess.exitCode() != 0) return std::nullopt;
    return prozess.readAllStandardOutput();
}

inline constexpr double SeitenAufloesung = 100;  // dots per inch of a rendered page

// A PDF file as poppler-utils read it.
struct Seite {
    int seiten = 0;
    QSizeF punkte;  // page size in points
    QString titel;
    QImage bild;  // the first page rendered
};

inline Seite lesePdf(const QString& datei) {
    Seite seite;
    const auto info = werkzeug(QStringLiteral("pdfinfo"), {datei});
    if (!info) return seite;
    for (const QByteArray& zeile : info->split('\n')) {
        const QList<QByteArray> teile = zeile.simplified().split(' ');
        if (zeile.startsWith("Pages:")) seite.seiten = teile.value(1).toInt();
        if (zeile.startsWith("Page size:")) seite.punkte = QSizeF(teile.value(2).toDouble(), teile.value(4).toDouble());
        if (zeile.startsWith("Title:")) seite.titel = QString::fromUtf8(zeile.mid(6).trimmed());
    }
    const QString ausgabe = datei + QStringLiteral(".seite");
    if (werkzeug(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(SeitenAufloesung),
                                              QStringLiteral("-png"), QStringLiteral("-singlefile"), datei, ausgabe}))
        seite.bild.load(ausgabe + QStringLiteral(".png"));
    return seite;
}

// The rectangle of everything on a rendered page that is not white paper.
inline QRect bedruckt(const QImage& bild) {
    QRect rechteck;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor farbe = bild.pixelColor(x, y);
            if (farbe.red() < 245 || farbe.green() < 245 || farbe.blue() < 245) rechteck |= QRect(x, y, 1, 1);
        }
    return rechteck;
}

// The picture embedded in a handed-over document.
inline QImage eingebettetesBild(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray text = f.readAll();
    const qsizetype anfang = text.indexOf("\\pngblip");
    if (anfang < 0) return {};
    const qsizetype daten = text.indexOf('\n', anfang);
    const qsizetype ende = text.indexOf('}', daten);
    return QImage::fromData(QByteArray::fromHex(text.mid(daten, ende - daten)), "PNG");
}

inline bool gleichePixel(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// Variables of this process's environment, and so of the programs it starts,
// for one test; the old values come back with the destructor.
class Umgebung {
public:
    Umgebung() = default;
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;
    ~Umgebung() {
        for (auto alter = frueher.rbegin(); alter != frueher.rend(); ++alter) {
            if (alter->second)
                qputenv(alter->first, *alter->second);
            else
                qunsetenv(alter->first);
        }
    }
    void setze(const char* name, const QString& wert) {
        merke(name);
        qputenv(name, QFile::encodeName(wert));
    }
    void entferne(const char* name) {
        merke(name);
        qunsetenv(name);
    }

private:
    void merke(const char* name) {
        frueher.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
    std::vector<std::pair<const char*, std::optional<QByteArray>>> frueher;
};

// The system's temporary folder for one test: whatever a hand-over leaves in
// there goes with the test.
class EigenerTempOrdner {
public:
    EigenerTempOrdner() { umgebung.setze("TMPDIR", ordner.path()); }
    // What is left in the folder, names separated by blanks; but for Qt's
    // own runtime folder, made there when XDG_RUNTIME_DIR is not set.
    std::string inhalt() const {
        QStringList namen =
            QDir(ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        namen.removeIf([](const QString& name) { return name.startsWith(QStringLiteral("runtime-")); });
        return namen.join(QLatin1Char(' ')).toStdString();
    }

private:
    QTemporaryDir ordner;  // made under the former one
    Umgebung umgebung;
};

// An executable shell script in the folder; a shell that is not there makes
// a program that cannot start.
inline bool skript(const QString& ordner, const QString& name, const QByteArray& text,
                   const QByteArray& shell = "/bin/sh") {
    QFile datei(ordner + QLatin1Char('/') + name);
    if (!datei.open(QIODevice::WriteOnly) || datei.write("#!" + shell + "\n" + text) < 0) return false;
    datei.close();
    return datei.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A desktop of the test's own, the same on every machine: its home and every
// folder where the desktop keeps registrations are the given one, the mailcap
// and $BROWSER would be files there, no desktop environment and no session
// bus. With `anzeige` it names a display (nothing ever draws there): only with
// one does xdg-open ask for the registered application.
inline void eigenerDesktop(Umgebung& umgebung, const QString& ordner, bool anzeige) {
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
        umgebung.setze(name, ordner);
    umgebung.setze("MAILCAPS", ordner + QStringLiteral("/mailcap"));
    umgebung.setze("BROWSER", ordner + QStringLiteral("/browser"));
    umgebung.setze("DBUS_SESSION_BUS_ADDRESS", QStringLiteral("unix:path=") + ordner + QStringLiteral("/kein-bus"));
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "DE",
          "KDE_FULL_SESSION", "KDE_SESSION_VERSION", "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID",
          "LXQT_SESSION_CONFIG", "XDG_MENU_PREFIX"})
        umgebung.entferne(name);
    // Far above the numbers the tests' virtual displays take.
    if (anzeige) umgebung.setze("DISPLAY", QStringLiteral(":7919"));
}

inline constexpr const char* FuerRtf = "MimeType=application/rtf;text/rtf;\n";

// The desktop entry of an application, under the desktop's folder of
// applications; the application is `programm`, given the document. `typen`
// ends the entry: by default it registers it for RTF documents.
inline bool desktopEintrag(const QString& ordner, const QString& name, const QString& programm,
                           const QByteArray& typen = FuerRtf) {
    const QString datei = ordner + QStringLiteral("/applications/") + name;
    if (!QDir().mkpath(QFileInfo(datei).path())) return false;
    QFile eintrag(datei);
    return eintrag.open(QIODevice::WriteOnly) &&
           eintrag.write("[Desktop Entry]\nType=Application\nName=Textverarbeitung\nExec=" +
                         QFile::encodeName(programm) + " %f\n" + typen) > 0;
}

// A stand-in for the desktop's opener: a shell script named xdg-open in the
// given folder, put first on the search path. The script gets the document
// as its first argument.
// It comes on a desktop of its own in that folder, where
// "textverarbeitung.desktop" is registered for every document: a stand-in
// for xdg-mime beside it says so, and the entry is there.
inline bool falscherOeffner(Umgebung& umgebung, const QString& ordner, const QByteArray& text,
                            const QByteArray& shell = "/bin/sh") {
    if (!skript(ordner, QStringLiteral("xdg-open"), text, shell)) return false;
    eigenerDesktop(umgebung, ordner, true);
    umgebung.setze("PATH", ordner + QLatin1Char(':') + qEnvironmentVariable("PATH"));
    return skript(ordner, QStringLiteral("xdg-mime"),
                  "case \"$2\" in\n"
                  "  filetype) echo application/rtf ;;\n"
                  "  default) echo textverarbeitung.desktop ;;\n"
                  "esac\n") &&
           desktopEintrag(ordner, QStringLiteral("textverarbeitung.desktop"),
                          ordner + QStringLiteral("/textverarbeitung"));
}

// An opener as xdg-open without a known desktop: it runs the application in
// the foreground, here for a minute, after the given lines. It notes its
// process id, then the application's, in the file "pid" beside it.
inline bool oeffnerImVordergrund(Umgebung& umgebung, const QString& ordner, const QByteArray& davor = {}) {
    const QByteArray pid = QFile::encodeName(ordner + QStringLiteral("/pid"));
    return falscherOeffner(umgebung, ordner, davor + "echo $$ > '" + pid + "'\nexec sleep 60\n");
}

// Ends the application of oeffnerImVordergrund, which must still run, and
// lets its opener be reaped, so that the process object that waits for it
// goes too. False when it did not run.
inline bool beendeAnwendung(const QString& ordner) {
    QFile datei(ordner + QStringLiteral("/pid"));
    if (!QTest::qWaitFor([&] { return datei.size() > 0; }, 10000) || !datei.open(QIODevice::ReadOnly)) return false;
    const int anwendung = datei.readAll().trimmed().toInt();
    if (anwendung <= 0 || ::kill(anwendung, SIGTERM) != 0) return false;
    const bool geendet = QTest::qWaitFor([&] { return ::kill(anwendung, 0) != 0; }, 10000);
    QTest::qWait(50);
    return geendet;
}

}  // namespace fluvan::test
