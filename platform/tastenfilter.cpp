#include "platform/tastenfilter.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace fluvan::plattform {

std::optional<int> KeyAscii(const QKeyEvent& taste) {
    const int key = taste.key();
    const bool strg = taste.modifiers() & Qt::ControlModifier;
    if (strg && key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
    switch (key) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return std::nullopt;
        default: break;
    }
    const QString text = taste.text();
    if (text.isEmpty() || text.at(0).isNull()) return std::nullopt;
    return text.at(0).unicode();
}

Tastenfilter::Tastenfilter(QObject* box, Behandlung behandlung) : QObject(box), behandlung(std::move(behandlung)) {
    box->installEventFilter(this);
}

bool Tastenfilter::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress || ersatzUnterwegs) return false;
    const auto code = KeyAscii(*static_cast<QKeyEvent*>(ereignis));
    if (!code) return false;
    int ersatz = *code;
    behandlung(ersatz);
    if (ersatz == *code) return false;
    if (ersatz != 0) {
        // The replacement reaches the box as if it had been typed.
        QKeyEvent getippt(QEvent::KeyPress, ersatz < 128 ? ersatz : 0, Qt::NoModifier, QString(QChar(ersatz)));
        ersatzUnterwegs = true;
        QCoreApplication::sendEvent(ziel, &getippt);
        ersatzUnterwegs = false;
    }
    return true;
}

}  // namespace fluvan::plattform
