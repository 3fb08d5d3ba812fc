#pragma once
// The system colours the windows name, as the fixed values of the standard
// desktop scheme, so that every window looks the same on every desktop.
#include <QColor>

namespace fluvan::platform {

struct Systemfarbe {
    int rot, gruen, blau;
    QColor farbe() const { return QColor(rot, gruen, blau); }
};

inline constexpr Systemfarbe Bildlaufleiste{200, 200, 200};
inline constexpr Systemfarbe AktiverRahmen{180, 180, 180};
inline constexpr Systemfarbe InaktiverRahmen{244, 247, 252};
inline constexpr Systemfarbe Fensterhintergrund{255, 255, 255};
inline constexpr Systemfarbe Fenstertext{0, 0, 0};
inline constexpr Systemfarbe Fensterrahmen{0, 0, 0};
inline constexpr Systemfarbe Titelleistentext{255, 255, 255};
inline constexpr Systemfarbe Schaltflaeche{240, 240, 240};  // control faces

}  // namespace fluvan::platform
