#pragma once
// The system colours the windows name, as the fixed values of the standard
// desktop scheme, so that every window looks the same on every desktop.
#include "base/farbe.h"
#include "platform/qfarbe.h"

namespace fluvan::platform {

inline constexpr base::Farbe Bildlaufleiste{200, 200, 200};
inline constexpr base::Farbe AktiverRahmen{180, 180, 180};
inline constexpr base::Farbe InaktiverRahmen{244, 247, 252};
inline constexpr base::Farbe Fensterhintergrund{255, 255, 255};
inline constexpr base::Farbe Fenstertext{0, 0, 0};
inline constexpr base::Farbe Fensterrahmen{0, 0, 0};
inline constexpr base::Farbe Titelleistentext{255, 255, 255};
inline constexpr base::Farbe Schaltflaeche{240, 240, 240};  // control faces

}  // namespace fluvan::platform
