#include "app/auslegungshilfe/frmEXCELBlatt.h"

#include <QPushButton>
#include <QScreen>

#include "app/auslegungshilfe/schriften.h"
#include "app/auslegungshilfe/twips.h"

namespace fluvan {

namespace {
// Inside size of the window and places of its controls, in twips.
constexpr int fensterBreite = 14724;
constexpr int fensterHoehe = 10332;
struct Platz {
    int links, oben, breite, hoehe;
};
constexpr Platz platzOLE1{336, 96, 14232, 9276};
constexpr Platz platzCommand1{12720, 9480, 1812, 612};
}  // namespace

frmEXCELBlatt::frmEXCELBlatt() {
    setObjectName(QStringLiteral("frmEXCELBlatt"));
    setWindowTitle(QStringLiteral("Auslegungshilfe"));
    // A fixed dialog frame: no minimise and maximise buttons, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);

    const auto px = [this](int twips) { return auslegung::twipsZuPixel(twips, logicalDpiX()); };
    const auto py = [this](int twips) { return auslegung::twipsZuPixel(twips, logicalDpiY()); };
    const auto setze = [&](QWidget* w, const Platz& p) { w->setGeometry(px(p.links), py(p.oben), px(p.breite), py(p.hoehe)); };
    setFixedSize(px(fensterBreite), py(fensterHoehe));

    // Created in the focus order: the button first, the sheet second.
    Command1 = new QPushButton(QStringLiteral("Ende"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(auslegung::ersatzschrift("MS Sans Serif", 8, false));
    setze(Command1, platzCommand1);
    connect(Command1, &QPushButton::clicked, this, &frmEXCELBlatt::Command1_Click);

    OLE1 = new auslegung::Arbeitsblatt(this);
    OLE1->setObjectName(QStringLiteral("OLE1"));
    OLE1->move(px(platzOLE1.links), py(platzOLE1.oben));

    if (const QScreen* bildschirm = screen()) move(bildschirm->availableGeometry().center() - rect().center());
    Form_Load();
}

void frmEXCELBlatt::Form_Load() { OLE1->aktivieren(); }

void frmEXCELBlatt::Command1_Click() { close(); }

}  // namespace fluvan
