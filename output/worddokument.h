#pragma once
// The new document of the word-processor hand-over: one A4 page whose only
// content is the window picture, as a rich-text (RTF) document.
#include <span>
#include <string>

namespace fluvan::output {

// The text area of the page in twips: A4 with 2 cm margins.
inline constexpr int Textbreite = 11906 - 2 * 1134;
inline constexpr int Texthoehe = 16838 - 2 * 1134;

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
