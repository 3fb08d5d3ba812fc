#include "app/frmSplashscreen1.h"

#include <QCloseEvent>

#include "app/fensterrahmen.h"
#include "app/frmHauptForm.h"
#include "base/sprache.h"
#include "base/variable.h"
#include "platform/fensterregister.h"
#include "platform/modaldialoge.h"
#include "platform/steuerelemente.h"
#include "platform/twips.h"
#include "platform/umbruchlabel.h"

namespace fluvan::app {

using namespace platform;

frmSplashscreen1::frmSplashscreen1() : Startbild("frmSplashscreen1", startbild::LageInfo) {
    setFocusPolicy(Qt::NoFocus);

    Label2 = beschriftung<Umbruchlabel>(this, "Label2", "Version 2.0", schrift(startbild::Label2Schrift),
                                        Qt::AlignHCenter | Qt::AlignTop);
    QPalette weiss = Label2->palette();
    weiss.setColor(QPalette::WindowText, Qt::white);
    Label2->setPalette(weiss);
    platziere(Label2, startbild::Label2);

    // Runs from creation; the window ends with its first tick.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmSplashscreen1::Timer1_Timer);
    Timer1->start();
}

void frmSplashscreen1::Timer1_Timer() {
    // While a box or dialog waits for the user's answer, the window does not
    // go from under it and the main form does not come back: both follow the
    // answer.
    if (wartetAufAntwort(*this, [this] { Timer1_Timer(); })) return;
    const std::string& sprache = base::Variable::instanz().Sprache;
    // The main form takes its language from Sprache when it is created.
    if (base::sprachcode(sprache)) zeigeFenster<frmHauptForm>();
    abgelaufen = true;
    close();
}

void frmSplashscreen1::closeEvent(QCloseEvent* ereignis) {
    if (abgelaufen)
        ereignis->accept();
    else
        ereignis->ignore();
}

}  // namespace fluvan::app
