#pragma once
// The modal boxes and dialogs: which window they stand over, how they run,
// and how a window waits for the user's answer to them.
#include <QPointer>
#include <functional>

class QDialog;
class QObject;
class QWidget;

namespace fluvan::platform {

// Marks the window whose handler runs a command, for as long as the command
// runs: the boxes and dialogs that the command shows stand over that window,
// as its children. Their event loop blocks every way to close it meanwhile.
// With nullptr no window asks.
class FragendesFenster {
public:
    explicit FragendesFenster(QWidget* fenster);
    ~FragendesFenster();
    FragendesFenster(const FragendesFenster&) = delete;
    FragendesFenster& operator=(const FragendesFenster&) = delete;

private:
    QPointer<QWidget> frueher;
};

// The parent for a box or dialog about to be made: the window whose command
// asks for it, or none for one that comes otherwise, as an outcome that
// arrives late from the event loop. Never just the active window: that may be
// one that goes while the box is open, and the box would go with it.
QWidget* dialogEltern();

// Runs the box or dialog modally for the whole program and returns its result
// once the user has answered it. What comes in its event loop meanwhile (a
// late outcome, a timer) is no command of the asking window: a box it shows
// has no parent.
int zeigeModal(QDialog& dialog);

// Whether a modal box or dialog waits for the user's answer. If one does,
// `danach` runs in `kontext` once it has gone; it may find another still
// open then.
bool wartetAufAntwort(QObject& kontext, std::function<void()> danach);

}  // namespace fluvan::platform
