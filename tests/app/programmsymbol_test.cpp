// Every window of the program carries the program's icon, in the title bar
// and the task bar, instead of the window manager's generic one.
#include "app/auslegungshilfe/frmEXCELBlatt.h"
#include "app/programmsymbol.h"
#include "tests/app/ergebnisfenster.h"

namespace fluvan::test {
namespace {

class Programmsymbol : public Ergebnisfenstertest {};

TEST_F(Programmsymbol, JedesFensterTraegtEs) {
    const QIcon programm = app::programmsymbol();
    ASSERT_FALSE(programm.isNull());
    for (const QSize groesse : {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(256, 256)})
        EXPECT_TRUE(programm.availableSizes().contains(groesse)) << groesse.width();

    std::vector<QWidget*> fenster{platform::zeigeFenster<frmSplashscreen>()};
    app::Bild1* b = rechne("D", "12.5");
    ASSERT_NE(b, nullptr);
    b->mnuDruckverlust->trigger();
    frmHauptForm* form = platform::offenesFenster<frmHauptForm>();
    form->mnuLeitfaehigkeit->trigger();
    form->mnuEXCEL->trigger();
    fenster.insert(fenster.end(), {form, b, diagramm(), platform::offenesFenster<app::frmLeitfaehigkeit>(),
                                   platform::offenesFenster<app::frmEXCELBlatt>()});
    form->mnuInfo->trigger();
    fenster.push_back(platform::offenesFenster<frmSplashscreen1>());

    for (QWidget* w : fenster) {
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->windowIcon().availableSizes(), programm.availableSizes());
        EXPECT_TRUE(w->windowIcon().pixmap(32).toImage() == programm.pixmap(32).toImage());
    }
    delete platform::fensterZeiger<app::frmEXCELBlatt>().data();
}

}  // namespace
}  // namespace fluvan::test
