#include "platform/steuerelemente.h"

#include <QKeySequence>
#include <QPalette>

namespace fluvan::platform {

void passeInKasten(QLabel* label) {
    QFont font = label->font();
    for (int prozent = 100; prozent >= 94; --prozent) {
        font.setLetterSpacing(QFont::PercentageSpacing, prozent);
        label->setFont(font);
        if (label->heightForWidth(label->width()) <= label->height()) return;
    }
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    label->setFont(font);
}

void ueberlasseGleicheZugriffstaste(QAbstractButton* knopf, const QAction& eintrag) {
    if (QKeySequence::mnemonic(knopf->text()) == QKeySequence::mnemonic(eintrag.text()))
        knopf->setShortcut(QKeySequence());
}

void hintergrund(QWidget* steuerelement, const QColor& farbe) {
    // Buttons paint their background in the button role, everything else in the window role.
    QPalette palette = steuerelement->palette();
    palette.setColor(steuerelement->backgroundRole(), farbe);
    steuerelement->setPalette(palette);
    steuerelement->setAutoFillBackground(true);
}

}  // namespace fluvan::platform
