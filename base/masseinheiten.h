#pragma once
// The units of lengths on screen and on paper, and the A4 page, each given once.

namespace fluvan::base {

// Twips: 1/1440 inch, the unit of every designed place and size.
inline constexpr int TwipsProZoll = 1440;
// The platform's device-independent pixels.
inline constexpr int PixelProZoll = 96;
inline constexpr int TwipsProPixel = TwipsProZoll / PixelProZoll;
static_assert(TwipsProPixel * PixelProZoll == TwipsProZoll);
// HIMETRIC: 0.01 mm, the unit of a picture's size for the printer.
inline constexpr int HimetricProZoll = 2540;
// 1440 / 2.54, rounded, as documents give a centimetre.
inline constexpr int TwipsProZentimeter = 567;

// The A4 page in twips, portrait.
inline constexpr int A4Breite = 11906;
inline constexpr int A4Hoehe = 16838;

}  // namespace fluvan::base
