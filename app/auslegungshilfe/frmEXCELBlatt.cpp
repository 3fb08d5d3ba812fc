#include "app/auslegungshilfe/frmEXCELBlatt.h"

#include <QPushButton>

#include "app/auslegungshilfe/excelblatt_lage.h"
#include "app/fensterrahmen.h"
#include "platform/twips.h"

namespace fluvan::app {

frmEXCELBlatt::frmEXCELBlatt() {
    const excelblatt::Lage& lage = excelblatt::LageAlle;
    richteFensterEin(this, "frmEXCELBlatt", "Auslegungshilfe", lage.rahmen);
    setAttribute(Qt::WA_DeleteOnClose);

    // Created in the focus order: the button first, the sheet second.
    Command1 = new QPushButton(QStringLiteral("Ende"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(schrift(lage.Command1Schrift));
    platform::platziere(Command1, lage.Command1);
    connect(Command1, &QPushButton::clicked, this, &frmEXCELBlatt::Command1_Click);

    OLE1 = new Arbeitsblatt(this);
    OLE1->setObjectName(QStringLiteral("OLE1"));
    OLE1->move(platform::pixel(lage.OLE1.links), platform::pixel(lage.OLE1.oben));

    Form_Load();
}

void frmEXCELBlatt::Form_Load() { OLE1->aktivieren(); }

void frmEXCELBlatt::Command1_Click() { close(); }

}  // namespace fluvan::app
