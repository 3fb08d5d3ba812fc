#pragma once
// A file-size limit for this process: while it lives, a write past the given
// number of bytes fails as on a full disk.
#include <sys/resource.h>
#include <csignal>

namespace fluvan::test {

class Dateigrenze {
public:
    explicit Dateigrenze(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &vorher);
        signalVorher = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze = vorher;
        grenze.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &grenze);
    }
    ~Dateigrenze() {
        ::setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signalVorher);
    }
    Dateigrenze(const Dateigrenze&) = delete;
    Dateigrenze& operator=(const Dateigrenze&) = delete;

private:
    rlimit vorher{};
    void (*signalVorher)(int);
};

}  // namespace fluvan::test
