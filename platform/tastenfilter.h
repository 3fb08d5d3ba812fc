#pragma once
// A key-press handler in front of a box: it gets the character code of each
// typed key before the box and may replace it; 0 discards the key. Keys that
// type no character (Delete, arrows, Home, End, Tab) never reach it; the
// characters an input method commits reach it one by one.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QInputMethodEvent;
class QKeyEvent;

namespace fluvan::platform {

// The character code of a key press, or none for keys that type no character.
// Ctrl with a letter gives its control code (Ctrl+V is 22), Enter 13, Escape 27.
std::optional<int> KeyAscii(const QKeyEvent& taste);

class Tastenfilter : public QObject {
public:
    using Behandlung = std::function<void(int& KeyAscii)>;
    Tastenfilter(QObject* box, Behandlung behandlung);

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    bool eingabemethode(QObject* ziel, const QInputMethodEvent& eingabe);

    Behandlung behandlung;
    bool ersatzUnterwegs = false;
};

// A text as typing it character by character through the handler gives: each
// character as the handler leaves it, without those it discards and without
// control codes, which type no character (Backspace deletes, it adds nothing).
QString gefiltert(const QString& text, const Tastenfilter::Behandlung& behandlung);

}  // namespace fluvan::platform
