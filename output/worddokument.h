#pragma once
// The new document of the word-processor hand-over: one A4 page whose only
// content is the window picture, as a rich-text (RTF) document.
#include <span>
#include <string>

#include "base/masseinheiten.h"

namespace fluvan::output {

// The page of the documents we write: A4 with 2 cm margins, in twips.
inline constexpr int Seitenrand = 2 * base::TwipsProZentimeter;
inline constexpr int Textbreite = base::A4Breite - 2 * Seitenrand;
inline constexpr int Texthoehe = base::A4Hoehe - 2 * Seitenrand;

// That page as RTF control words, a line of its own.
std::string rtfSeite();

struct Bildmass {
    int breite, hoehe;
};

// The picture's size on the page in twips: its own size at 96 pixels per inch,
// made smaller, aspect kept, where it would not fit the text area, as a word
// processor places a pasted picture.
Bildmass bildmassAufSeite(int breitePixel, int hoehePixel);

// The bytes as hexadecimal digits, lines of 128 digits.
std::string hexText(std::span<const unsigned char> bytes);

// The RTF document holding the PNG picture of breite × hoehe pixels.
std::string wordDokument(std::span<const unsigned char> png, int breitePixel, int hoehePixel);

}  // namespace fluvan::output
