// Window tests need one QApplication for the whole run.
#include <gtest/gtest.h>
#include <QApplication>

#include "platform/anwendung.h"

#if defined(__SANITIZE_ADDRESS__)
// libcups 2.4.2 (Debian 12) never frees some parts of the cache it builds for
// a printer's PPD (its sides and colour presets); Qt has it build one for every
// printer object of a queue with a PPD and closes the PPD properly. The fix
// came to CUPS only later (OpenPrinting/cups pull request 1344).
extern "C" const char* __lsan_default_suppressions() { return "leak:_ppdCacheCreateWithPPD\n"; }
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    fluvan::platform::richteAnwendungEin();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
