#include "platform/tastenfilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace fluvan::platform {

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
    if (ersatzUnterwegs) return false;
    if (ereignis->type() == QEvent::InputMethod)
        return eingabemethode(ziel, *static_cast<QInputMethodEvent*>(ereignis));
    if (ereignis->type() != QEvent::KeyPress) return false;
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

// Characters composed by an input method (dead keys, compose sequences) are
// typed too: each one goes through the handler like a key press.
bool Tastenfilter::eingabemethode(QObject* ziel, const QInputMethodEvent& eingabe) {
    const QString getippt = eingabe.commitString();
    if (getippt.isEmpty()) return false;
    const QString durch = gefiltert(getippt, behandlung);
    if (durch == getippt) return false;
    QInputMethodEvent ersatz(eingabe.preeditString(), eingabe.attributes());
    ersatz.setCommitString(durch, eingabe.replacementStart(), eingabe.replacementLength());
    ersatzUnterwegs = true;
    QCoreApplication::sendEvent(ziel, &ersatz);
    ersatzUnterwegs = false;
    return true;
}

QString gefiltert(const QString& text, const Tastenfilter::Behandlung& behandlung) {
    QString durch;
    for (const QChar zeichen : text) {
        int code = zeichen.unicode();
        behandlung(code);
        if (code != 0 && QChar(code).isPrint()) durch += QChar(code);
    }
    return durch;
}

}  // namespace fluvan::platform
