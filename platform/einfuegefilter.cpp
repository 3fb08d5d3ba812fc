#include "platform/einfuegefilter.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

namespace fluvan::platform {

Einfuegefilter::Einfuegefilter(QLineEdit* box, Tastenfilter::Behandlung behandlung)
    : QValidator(box), box(box), behandlung(std::move(behandlung)) {
    box->setValidator(this);
    box->installEventFilter(this);
}

// A file manager's drag carries the file's address as text too; the box would
// keep the digits of its path ("file:///srv/lauf3.txt" gives "3.").
bool Einfuegefilter::eventFilter(QObject*, QEvent* ereignis) {
    switch (ereignis->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* ziehen = static_cast<QDropEvent*>(ereignis);
            if (!ziehen->mimeData()->hasFormat(QStringLiteral("text/uri-list"))) return false;
            ziehen->ignore();
            return true;
        }
        default: return false;
    }
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
