// Window tests need one QApplication for the whole run.
#include <gtest/gtest.h>
#include <QApplication>

#include "platform/anwendung.h"

#if defined(__SANITIZE_ADDRESS__)
#define FLUVAN_MIT_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FLUVAN_MIT_ASAN 1
#endif
#endif
#if defined(FLUVAN_MIT_ASAN)
// libcups 2.4.2 (Debian 12) never frees some parts of the cache it builds for
// a printer's PPD (its sides and colour presets); Qt has it build one for every
// printer object of a queue with a PPD and closes the PPD properly. libcups has
// no frame pointers, so the quick stack of such a leak ends in cupsAddOption,
// which that cache calls; our own option lists are freed by their owner.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:_ppdCacheCreateWithPPD\nleak:cupsAddOption\n";
}
#endif

int main(int argc, char** argv) {
    QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
    // The offscreen platform's own screen (800 x 600) is smaller than the
    // sheet and the design aid, which would scroll there: the windows are
    // tested on a desktop's screen, a small screen on a display of its own.
    if (plattform.isEmpty() || plattform == "offscreen") plattform = "offscreen:configfile=" FLUVAN_TESTBILDSCHIRM;
    qputenv("QT_QPA_PLATFORM", plattform);
    QApplication app(argc, argv);
    fluvan::platform::richteAnwendungEin();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
