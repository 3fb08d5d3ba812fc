#pragma once
// The program-wide set-up of Qt, so that it behaves as the platform did:
// drop-down lists that scroll, left to right, Qt's own texts in the desktop's
// language.
class QLocale;

namespace fluvan::platform {

// Once, right after the QApplication is made: the style, and Qt's own texts
// in the language of the desktop.
void richteAnwendungEin();

// Qt's own texts (context menus, and the print and file dialogs) in the given
// language, in place of those loaded before; false when none are installed,
// and Qt then speaks English.
bool ladeQtUebersetzung(const QLocale& sprache);

}  // namespace fluvan::platform
