#pragma once
// The texts of the start and info screens, the same in every language.
#include <string_view>

namespace fluvan::app::startbild {

inline constexpr std::string_view Produktname = "Fluvan";
inline constexpr std::string_view Version = "II";
inline constexpr std::string_view UntertitelD =
    "Genauigkeitskurve für  Magnetisch- Induktive und Ultraschall- Durchflussmesser ";
inline constexpr std::string_view UntertitelGB =
    "Accuracy calculation for magnetic inductive and ultrasonic flowmeters";
inline constexpr std::string_view UntertitelF = "Calculations pour débimètres électromagnétiques et ultrason";
inline constexpr std::string_view UntertitelE =
    "Curva de exactitud para caudalimetros electromagnéticos y ultrasonicos ";

}  // namespace fluvan::app::startbild
