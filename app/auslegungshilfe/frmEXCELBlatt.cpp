#include "app/auslegungshilfe/frmEXCELBlatt.h"

#include <QPushButton>
#include <QScreen>

#include "platform/schriften.h"
#include "platform/twips.h"

namespace fluvan::app {

namespace {
// Inside size of the window and places of its controls, in twips.
constexpr int fensterBreite = 14724;
constexpr int fensterHoehe = 10332;

constexpr platform::Twips platzOLE1{336, 96, 14232, 9276};
constexpr platform::Twips platzCommand1{12720, 9480, 1812, 612};
}  // namespace

frmEXCELBlatt::frmEXCELBlatt() {
    setObjectName(QStringLiteral("frmEXCELBlatt"));
    setWindowTitle(QStringLiteral("Auslegungshilfe"));
    // A fixed dialog frame: no minimise and maximise buttons, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);

    platform::festeInnengroesse(this, fensterBreite, fensterHoehe);

    // Created in the focus order: the button first, the sheet second.
    Command1 = new QPushButton(QStringLiteral("Ende"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(platform::schrift("MS Sans Serif", 8, false));
    platform::platziere(Command1, platzCommand1);
    connect(Command1, &QPushButton::clicked, this, &frmEXCELBlatt::Command1_Click);

    OLE1 = new Arbeitsblatt(this);
    OLE1->setObjectName(QStringLiteral("OLE1"));
    OLE1->move(platform::pixel(platzOLE1.links), platform::pixel(platzOLE1.oben));

    platform::zentriere(this);
    Form_Load();
}

void frmEXCELBlatt::Form_Load() { OLE1->aktivieren(); }

void frmEXCELBlatt::Command1_Click() { close(); }

}  // namespace fluvan::app
