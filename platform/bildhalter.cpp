#include "platform/bildhalter.h"

namespace fluvan::platform {

Bildhalter::Bildhalter(QWidget* eltern) : QFrame(eltern) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::TabFocus);
}

}  // namespace fluvan::platform
