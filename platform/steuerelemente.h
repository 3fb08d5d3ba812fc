#pragma once
// Small helpers for building windows from their designed controls.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QString>
#include <string_view>

#include "platform/qtext.h"

namespace fluvan::platform {

// A control of the given kind, named as designed.
template <class Steuerelement>
Steuerelement* neu(QWidget* eltern, const char* name) {
    auto* steuerelement = new Steuerelement(eltern);
    steuerelement->setObjectName(QString::fromLatin1(name));
    return steuerelement;
}

// A caption: plain text only, so that no text is ever read as markup. A
// caption that wraps is an Umbruchlabel.
template <class Label = QLabel>
Label* beschriftung(QWidget* eltern, const char* name, std::string_view text, const QFont& schrift,
                    Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignTop) {
    Label* label = neu<Label>(eltern, name);
    label->setTextFormat(Qt::PlainText);
    label->setText(qtext(text));
    label->setFont(schrift);
    label->setAlignment(ausrichtung);
    return label;
}

// A word-wrapped caption whose text needs more lines than its box holds with
// the substitute font: the letters move closer together, a few percent at most,
// until the text fits. The font, its size and the box stay as designed.
void passeInKasten(QLabel* label);

// A button and a menu-bar entry that do the same thing and share their access
// key: the button leaves the key to the entry, so that Alt with the letter acts
// at the first press instead of only moving the focus between the two. The
// letter stays underlined on the button. Keys that differ stay as they are.
void ueberlasseGleicheZugriffstaste(QAbstractButton* knopf, const QAction& eintrag);

// Paints a control's background in a fixed colour.
void hintergrund(QWidget* steuerelement, const QColor& farbe);

}  // namespace fluvan::platform
