#pragma once
// Fonts by the names the windows were designed with. Arial and MS Sans Serif
// are not on a Linux desktop: Liberation Sans has Arial's metrics, DejaVu Sans
// stands in for the bitmap font MS Sans Serif.
#include <QFont>
#include <string_view>

namespace fluvan::platform {

// The family that is used for a designed family name (unknown names unchanged).
QString schriftfamilie(std::string_view entwurfsname);

// A font of the designed family, size in points (fractions allowed) and weight.
QFont schrift(std::string_view entwurfsname, double punkte, bool fett = false);

}  // namespace fluvan::platform
