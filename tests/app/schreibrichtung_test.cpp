// The program's languages read left to right, whatever the desktop's.
#include <QLocale>

#include "platform/anwendung.h"
#include "tests/app/ergebnisfenster.h"

namespace fluvan::test {
namespace {

class Schreibrichtung : public Ergebnisfenstertest {
protected:
    void TearDown() override {
        platform::ladeQtUebersetzung(QLocale::system());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        Ergebnisfenstertest::TearDown();
    }

    // The sheet and the diagram of one calculation, as their windows draw
    // them, with Qt's texts of the given desktop language loaded.
    std::pair<QImage, QImage> bilderUnter(const QLocale& desktop) {
        neuerFall();
        platform::ladeQtUebersetzung(desktop);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        app::Bild1* b = rechne("GB", "12.5");
        b->mnuDruckverlust->trigger();
        return {b->grab().toImage(), diagramm()->grab().toImage()};
    }
};

TEST_F(Schreibrichtung, BlattUndDiagrammWieUnterC) {
    const auto [blattC, diagrammC] = bilderUnter(QLocale::c());
    for (const QLocale& desktop : {QLocale(QLocale::Hebrew, QLocale::Israel), QLocale(QLocale::Persian, QLocale::Iran)}) {
        SCOPED_TRACE(desktop.name().toStdString());
        ASSERT_TRUE(platform::ladeQtUebersetzung(desktop)) << "Qt's texts for it missing (qt6-translations-l10n)";
        const auto [blatt, diagramm] = bilderUnter(desktop);
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        EXPECT_TRUE(blatt == blattC) << "the sheet is drawn otherwise";
        EXPECT_TRUE(diagramm == diagrammC) << "the diagram is drawn otherwise";
    }
}

}  // namespace
}  // namespace fluvan::test
