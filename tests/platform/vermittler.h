#pragma once
// A stand-in in front of the test's print system, on a Unix socket of its own:
// it passes every request on and the print system's answers back, but takes
// each request of one operation whole and never answers it, as a print system
// that hangs. It ends every connection when it goes.
#include <sys/socket.h>
#include <sys/un.h>
#include <poll.h>
#include <unistd.h>
#include <QFile>
#include <QString>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fluvan::test {

class Vermittler {
public:
    // `schweigtBei` is the IPP operation it never answers (IPP_OP_CREATE_JOB,
    // IPP_OP_SEND_DOCUMENT), 0 for none; `ziel` the print system's socket.
    Vermittler(const QString& ziel, const QString& socket, int schweigtBei)
        : ziel(QFile::encodeName(ziel).toStdString()), pfad(socket), schweigtBei(schweigtBei) {
        const std::string name = QFile::encodeName(socket).toStdString();
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        if (name.size() >= sizeof adresse.sun_path || ::pipe(halt) != 0) return;
        std::memcpy(adresse.sun_path, name.c_str(), name.size() + 1);
        hoerer = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (hoerer < 0 || ::bind(hoerer, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) != 0 ||
            ::listen(hoerer, 16) != 0)
            return;
        annahme = std::thread([this] { nimmAn(); });
    }

    ~Vermittler() {
        if (annahme.joinable()) {
            const char zeichen = 0;
            [[maybe_unused]] const auto geschrieben = ::write(halt[1], &zeichen, 1);
            annahme.join();
        }
        for (const auto& verbindung : verbindungen) {
            ::shutdown(verbindung->kunde, SHUT_RDWR);
            if (verbindung->dienst >= 0) ::shutdown(verbindung->dienst, SHUT_RDWR);
            verbindung->anfragen.join();
            if (verbindung->antworten.joinable()) verbindung->antworten.join();
            ::close(verbindung->kunde);
            if (verbindung->dienst >= 0) ::close(verbindung->dienst);
        }
        for (const int fd : {hoerer, halt[0], halt[1]})
            if (fd >= 0) ::close(fd);
        QFile::remove(pfad);
    }
    Vermittler(const Vermittler&) = delete;
    Vermittler& operator=(const Vermittler&) = delete;

    bool laeuft() const { return annahme.joinable(); }
    QString socket() const { return pfad; }
    // Requests it took and left unanswered.
    int geschluckt() const { return geschlucktBisher; }

private:
    struct Verbindung {
        int kunde = -1;
        int dienst = -1;
        std::atomic<bool> schweigt = false;
        std::thread anfragen, antworten;
    };

    // Reads a connection through its own buffer.
    class Leser {
    public:
        explicit Leser(int fd) : fd(fd) {}
        // One line with its end.
        bool zeile(std::string& text) {
            text.clear();
            for (;;) {
                const auto ende = puffer.find('\n');
                if (ende != std::string::npos) {
                    text = puffer.substr(0, ende + 1);
                    puffer.erase(0, ende + 1);
                    return true;
                }
                if (!fuelle()) return false;
            }
        }
        // Exactly `anzahl` bytes.
        bool lies(std::size_t anzahl, std::string& text) {
            while (puffer.size() < anzahl)
                if (!fuelle()) return false;
            text = puffer.substr(0, anzahl);
            puffer.erase(0, anzahl);
            return true;
        }
        bool fuelle() {
            char block[65536];
            const ssize_t gelesen = ::read(fd, block, sizeof block);
            if (gelesen <= 0) return false;
            puffer.append(block, static_cast<std::size_t>(gelesen));
            return true;
        }

    private:
        int fd;
        std::string puffer;
    };

    static bool sende(int fd, const std::string& text) {
        std::size_t gesendet = 0;
        while (gesendet < text.size()) {
            const ssize_t n = ::send(fd, text.data() + gesendet, text.size() - gesendet, MSG_NOSIGNAL);
            if (n <= 0) return false;
            gesendet += static_cast<std::size_t>(n);
        }
        return true;
    }

    void nimmAn() {
        for (;;) {
            pollfd warten[2] = {{hoerer, POLLIN, 0}, {halt[0], POLLIN, 0}};
            if (::poll(warten, 2, -1) < 0 || warten[1].revents) return;
            const int kunde = ::accept4(hoerer, nullptr, nullptr, SOCK_CLOEXEC);
            if (kunde < 0) continue;
            auto verbindung = std::make_unique<Verbindung>();
            verbindung->kunde = kunde;
            verbindung->dienst = verbinde();
            Verbindung& v = *verbindung;
            if (v.dienst >= 0) v.antworten = std::thread([&v] { leiteAntworten(v); });
            v.anfragen = std::thread([this, &v] { leiteAnfragen(v); });
            verbindungen.push_back(std::move(verbindung));
        }
    }

    int verbinde() const {
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        std::memcpy(adresse.sun_path, ziel.c_str(), std::min(ziel.size() + 1, sizeof adresse.sun_path - 1));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0) return fd;
        if (fd >= 0) ::close(fd);
        return -1;
    }

    static void leiteAntworten(Verbindung& v) {
        char block[65536];
        ssize_t gelesen;
        while ((gelesen = ::read(v.dienst, block, sizeof block)) > 0)
            if (!v.schweigt && !sende(v.kunde, std::string(block, static_cast<std::size_t>(gelesen)))) return;
        // The print system closed: so does the stand-in, unless it hangs.
        if (!v.schweigt) ::shutdown(v.kunde, SHUT_WR);
    }

    // Each request: its head and the first bytes of its IPP message decide
    // whether it goes on, before any of it does.
    void leiteAnfragen(Verbindung& v) {
        Leser leser(v.kunde);
        for (;;) {
            std::string kopf, zeile;
            do {
                if (!leser.zeile(zeile)) return;
                kopf += zeile;
            } while (zeile != "\r\n");
            std::string klein = kopf;
            std::transform(klein.begin(), klein.end(), klein.begin(), [](unsigned char c) { return std::tolower(c); });
            const bool stueckweise = klein.find("transfer-encoding: chunked") != std::string::npos;
            const auto laengenfeld = klein.find("\ncontent-length:");
            long long rest = laengenfeld == std::string::npos ? 0 : std::stoll(klein.substr(laengenfeld + 16));
            std::string roh = kopf, anfang;
            if (stueckweise) {
                if (!leser.zeile(zeile)) return;
                roh += zeile;
                rest = std::stoll(zeile, nullptr, 16);
            }
            // Version, operation, request number.
            if (!leser.lies(static_cast<std::size_t>(std::min(rest, 8LL)), anfang)) return;
            rest -= static_cast<long long>(anfang.size());
            roh += anfang;
            const int operation =
                anfang.size() >= 4 ? static_cast<unsigned char>(anfang[2]) << 8 | static_cast<unsigned char>(anfang[3])
                                   : -1;
            if (schweigtBei != 0 && operation == schweigtBei) {
                v.schweigt = true;
                ++geschlucktBisher;
                while (leser.fuelle()) {}
                return;
            }
            if (v.dienst < 0 || !sende(v.dienst, roh) || !leite(leser, v.dienst, rest)) return;
            if (!stueckweise) continue;
            // The chunks that follow, up to the empty one and its trailer.
            long long groesse = rest + static_cast<long long>(anfang.size());
            while (groesse > 0) {
                if (!leser.zeile(zeile) || !sende(v.dienst, zeile)) return;  // the chunk's end
                if (!leser.zeile(zeile) || !sende(v.dienst, zeile)) return;
                groesse = std::stoll(zeile, nullptr, 16);
                if (!leite(leser, v.dienst, groesse)) return;
            }
            do {
                if (!leser.zeile(zeile) || !sende(v.dienst, zeile)) return;
            } while (zeile != "\r\n");
        }
    }

    static bool leite(Leser& leser, int fd, long long anzahl) {
        std::string block;
        while (anzahl > 0) {
            const auto stueck = static_cast<std::size_t>(std::min(anzahl, 65536LL));
            if (!leser.lies(stueck, block) || !sende(fd, block)) return false;
            anzahl -= static_cast<long long>(stueck);
        }
        return true;
    }

    const std::string ziel;
    const QString pfad;
    const int schweigtBei;
    int hoerer = -1;
    int halt[2] = {-1, -1};
    std::atomic<int> geschlucktBisher = 0;
    std::thread annahme;
    // Touched by the accepting thread only until it has ended.
    std::vector<std::unique_ptr<Verbindung>> verbindungen;
};

}  // namespace fluvan::test
