#pragma once
// The one conversion of our colours to Qt's.
#include <QColor>

#include "base/farbe.h"

namespace fluvan::platform {

inline QColor qfarbe(base::Farbe f) { return QColor(f.rot, f.gruen, f.blau); }

}  // namespace fluvan::platform
