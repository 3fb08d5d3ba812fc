#pragma once
// A print system of the test's own: a cupsd with its configuration, socket and
// spool in a temporary folder, and CUPS_SERVER pointing at its socket, so that
// the machine's own print system stays untouched. It keeps every document it
// takes in its spool, for the test to read back.
#include <cups/cups.h>
#include <sys/prctl.h>
#include <csignal>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ausgabedienste.h"
#include "tests/platform/ausgabe.h"

namespace fluvan::test {

// A printer of two paper sizes, both sides and colour that takes PDF as it
// comes: the print system keeps the document and puts it out nowhere.
inline constexpr char TestdruckerPpd[] = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TESTDRUK.PPD"
*Manufacturer: "Test"
*Product: "(Testdrucker)"
*ModelName: "Testdrucker"
*ShortNickName: "Testdrucker"
*NickName: "Testdrucker"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*ImageableArea Letter/Letter: "18 18 594 774"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
*OpenUI *Duplex/2-Sided Printing: PickOne
*DefaultDuplex: None
*Duplex None/Off: "<</Duplex false>>setpagedevice"
*Duplex DuplexNoTumble/Long Edge: "<</Duplex true/Tumble false>>setpagedevice"
*Duplex DuplexTumble/Short Edge: "<</Duplex true/Tumble true>>setpagedevice"
*CloseUI: *Duplex
*OpenUI *ColorModel/Color Mode: PickOne
*DefaultColorModel: RGB
*ColorModel RGB/Color: "<</cupsColorSpace 1>>setpagedevice"
*ColorModel Gray/Grayscale: "<</cupsColorSpace 0>>setpagedevice"
*CloseUI: *ColorModel
)ppd";

// A job as the print system keeps it: its number, its attributes as text
// (a list's values joined by commas) and the document it took, if any.
struct Auftrag {
    int nummer = 0;
    std::map<std::string, std::string> merkmale;
    QString dokument;

    std::string merkmal(const std::string& name) const {
        const auto treffer = merkmale.find(name);
        return treffer == merkmale.end() ? std::string("<none>") : treffer->second;
    }
};

class Drucksystem {
public:
    // Two queues of the test printer: one takes jobs, one refuses them.
    static constexpr const char* Nimmt = "Nimmt";
    static constexpr const char* Weist = "Weist";

    // Starts cupsd and sets up its queues; `laeuft` says whether that worked
    // (cupsd or lpadmin may be missing, or the machine may not let it run).
    Drucksystem() {
        if (!ordner.isValid()) return;
        const QString cupsd = programm(QStringLiteral("cupsd"));
        if (cupsd.isEmpty() || programm(QStringLiteral("lpadmin")).isEmpty() ||
            programm(QStringLiteral("cupsreject")).isEmpty()) {
            grund = "cupsd, lpadmin or cupsreject is not installed";
            return;
        }
        for (const char* teil : {"root", "spool", "tmp", "cache", "state", "log"})
            QDir(ordner.path()).mkpath(QString::fromLatin1(teil));
        if (!schreibe(QStringLiteral("cupsd.conf"), cupsdConf()) ||
            !schreibe(QStringLiteral("cups-files.conf"), cupsFilesConf()) ||
            !schreibe(QStringLiteral("testdrucker.ppd"), TestdruckerPpd)) {
            grund = "the configuration cannot be written";
            return;
        }
        dienst = std::make_unique<QProcess>();
        dienst->setProgram(cupsd);
        dienst->setArguments({QStringLiteral("-f"), QStringLiteral("-c"), pfad(QStringLiteral("cupsd.conf")),
                              QStringLiteral("-s"), pfad(QStringLiteral("cups-files.conf"))});
        dienst->setProcessChannelMode(QProcess::ForwardedChannels);
        // Dies with the test, however the test ends.
        dienst->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        dienst->start();
        if (!dienst->waitForStarted(10000) || !QTest::qWaitFor([&] { return erreichbar(); }, 10000)) {
            grund = "cupsd does not start here: " + protokoll().right(2000).toStdString();
            beende();
            return;
        }
        umgebung.setze("CUPS_SERVER", socket());
        vergissServer();
        bool eingerichtet = true;
        for (const char* warteschlange : {Nimmt, Weist})
            eingerichtet = eingerichtet &&
                           verwalte(QStringLiteral("lpadmin"),
                                    {QStringLiteral("-p"), QString::fromLatin1(warteschlange), QStringLiteral("-E"),
                                     QStringLiteral("-v"), QStringLiteral("file:/dev/null"), QStringLiteral("-P"),
                                     pfad(QStringLiteral("testdrucker.ppd"))});
        if (!eingerichtet || !verwalte(QStringLiteral("cupsreject"), {QString::fromLatin1(Weist)})) {
            grund = "the queues cannot be set up: " + protokoll().right(2000).toStdString();
            beende();
            return;
        }
        laeuftJetzt = true;
    }

    ~Drucksystem() {
        beende();
        vergissServer();
    }
    Drucksystem(const Drucksystem&) = delete;
    Drucksystem& operator=(const Drucksystem&) = delete;

    bool laeuft() const { return laeuftJetzt; }
    // Why it does not run.
    std::string warumNicht() const { return grund; }
    QString socket() const { return pfad(QStringLiteral("cups.sock")); }

    // The print system goes away, as when its service is stopped.
    void beende() {
        laeuftJetzt = false;
        if (!dienst) return;
        if (dienst->state() != QProcess::NotRunning) {
            dienst->terminate();
            if (!dienst->waitForFinished(5000)) {
                dienst->kill();
                dienst->waitForFinished(5000);
            }
        }
        dienst.reset();
    }

    // Every job the queue has had, oldest first, with what it keeps of each.
    // Asked on its own socket, whatever stands in front of it.
    std::vector<Auftrag> auftraege(const char* warteschlange) const {
        std::vector<Auftrag> liste;
        http_t* http = httpConnect2(QFile::encodeName(socket()).constData(), ippPort(), nullptr, AF_LOCAL,
                                    HTTP_ENCRYPTION_IF_REQUESTED, 1, 10000, nullptr);
        if (!http) return liste;
        cups_job_t* jobs = nullptr;
        const int anzahl = cupsGetJobs2(http, &jobs, warteschlange, 0, CUPS_WHICHJOBS_ALL);
        for (int i = 0; i < anzahl; ++i) liste.push_back(auftrag(http, jobs[i].id));
        cupsFreeJobs(anzahl, jobs);
        httpClose(http);
        std::sort(liste.begin(), liste.end(), [](const Auftrag& a, const Auftrag& b) { return a.nummer < b.nummer; });
        return liste;
    }

    // The documents kept in the spool, of every queue.
    QStringList dokumente() const {
        return QDir(pfad(QStringLiteral("spool"))).entryList({QStringLiteral("d*")}, QDir::Files, QDir::Name);
    }

    // cupsd's log, for a failure's message.
    QByteArray protokoll() const {
        QFile log(pfad(QStringLiteral("log/error_log")));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

private:
    QString pfad(const QString& name) const { return ordner.filePath(name); }

    static QString programm(const QString& name) {
        const QString gefunden = QStandardPaths::findExecutable(name);
        return gefunden.isEmpty() ? QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"),
                                                                          QStringLiteral("/sbin")})
                                  : gefunden;
    }

    bool schreibe(const QString& name, const QByteArray& text) const {
        QFile datei(pfad(name));
        return datei.open(QIODevice::WriteOnly) && datei.write(text) == text.size();
    }

    // Only the private socket; no printer list of its own and none of the
    // network's; every file it writes in the folder; every job's documents
    // kept; anyone may print and set up queues.
    QByteArray cupsdConf() const {
        return "Listen " + QFile::encodeName(socket()) +
               "\n"
               "LogLevel info\n"
               "Browsing No\n"
               "WebInterface No\n"
               "PreserveJobFiles Yes\n"
               "PreserveJobHistory Yes\n"
               "DefaultPolicy offen\n"
               "<Policy offen>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n"
               "<Location />\nOrder allow,deny\nAllow all\n</Location>\n";
    }
    QByteArray cupsFilesConf() const {
        const QByteArray wurzel = QFile::encodeName(ordner.path());
        // A file device is refused unless allowed.
        return "ServerRoot " + wurzel + "/root\nRequestRoot " + wurzel + "/spool\nTempDir " + wurzel +
               "/tmp\nCacheDir " + wurzel + "/cache\nStateDir " + wurzel + "/state\nErrorLog " + wurzel +
               "/log/error_log\nAccessLog " + wurzel + "/log/access_log\nPageLog " + wurzel +
               "/log/page_log\nPrintcap " + wurzel + "/printcap\nFileDevice Yes\n";
    }

    bool erreichbar() const {
        http_t* http = httpConnect2(QFile::encodeName(socket()).constData(), ippPort(), nullptr, AF_LOCAL,
                                    HTTP_ENCRYPTION_IF_REQUESTED, 1, 1000, nullptr);
        if (!http) return false;
        httpClose(http);
        return true;
    }

    bool verwalte(const QString& name, QStringList argumente) const {
        argumente.prepend(socket());
        argumente.prepend(QStringLiteral("-h"));
        QProcess prozess;
        prozess.setProcessChannelMode(QProcess::MergedChannels);
        prozess.start(programm(name), argumente);
        const bool gelungen = prozess.waitForFinished(10000) && prozess.exitStatus() == QProcess::NormalExit &&
                              prozess.exitCode() == 0;
        // It warns of old printer drivers each time; only a failure's words
        // are of interest.
        if (!gelungen) std::cerr << prozess.readAll().constData();
        return gelungen;
    }

    // The client library remembers the server it found first; the next
    // request reads CUPS_SERVER again.
    static void vergissServer() { cupsSetServer(nullptr); }

    Auftrag auftrag(http_t* http, int nummer) const {
        Auftrag a;
        a.nummer = nummer;
        ipp_t* anfrage = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(nummer);
        ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
        ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ipp_t* antwort = cupsDoRequest(http, anfrage, "/");
        for (ipp_attribute_t* m = ippFirstAttribute(antwort); m; m = ippNextAttribute(antwort)) {
            if (!ippGetName(m) || ippGetGroupTag(m) != IPP_TAG_JOB) continue;
            char text[2048];
            ippAttributeString(m, text, sizeof text);
            a.merkmale[ippGetName(m)] = text;
        }
        ippDelete(antwort);
        const QString datei = pfad(QStringLiteral("spool/d%1-001").arg(nummer, 5, 10, QLatin1Char('0')));
        if (QFile::exists(datei)) a.dokument = datei;
        return a;
    }

    QTemporaryDir ordner;
    Umgebung umgebung;
    std::unique_ptr<QProcess> dienst;
    bool laeuftJetzt = false;
    std::string grund;
};

// Confirms with a queue of the print system, after the user's choices on
// the printer; what may happen meanwhile (the print system going away)
// happens while the dialog is open.
class Warteschlangendialog : public platform::Druckdialog {
public:
    bool ShowPrinter(QPrinter& drucker) override {
        ++gezeigt;
        drucker.setPrinterName(QString::fromLatin1(warteschlange));
        if (waehle) waehle(drucker);
        if (waehrendDesDialogs) waehrendDesDialogs();
        return true;
    }
    const char* warteschlange = Drucksystem::Nimmt;
    std::function<void(QPrinter&)> waehle;
    std::function<void()> waehrendDesDialogs;
    int gezeigt = 0;
};

}  // namespace fluvan::test
