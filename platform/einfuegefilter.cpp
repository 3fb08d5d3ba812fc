#include "platform/einfuegefilter.h"

#include <QLineEdit>

namespace fluvan::platform {

Einfuegefilter::Einfuegefilter(QLineEdit* box, Tastenfilter::Behandlung behandlung)
    : QValidator(box), box(box), behandlung(std::move(behandlung)) {
    box->setValidator(this);
}

QValidator::State Einfuegefilter::validate(QString& text, int& position) const {
    // Qt validates setText too, but only after clearing the modified flag, so
    // the program's own writes stay as written. A change of the user's leaves
    // the box modified; what the box held before it was filtered already (or a
    // number the program wrote, digits and points), so filtering all of it
    // filters just what arrived, and the cursor stays behind the same characters.
    if (!box->isModified()) return Acceptable;
    const QString vorDerSchreibmarke = gefiltert(text.left(position), behandlung);
    text = vorDerSchreibmarke + gefiltert(text.mid(position), behandlung);
    position = static_cast<int>(vorDerSchreibmarke.size());
    return Acceptable;
}

}  // namespace fluvan::platform
