#pragma once
// Our own reader of rich text: the plain text that a text box holds of an RTF
// document. It reads any input to its end in one pass, so broken or hostile
// documents cost no more than their length and never crash it.
#include <optional>
#include <string>
#include <string_view>

namespace fluvan::conductivity {

// Groups nested deeper than this mark a broken document.
inline constexpr int MaxGruppentiefe = 1000;

// The text of the document, one UTF-16 code unit per character as the box
// counts them: paragraphs and line breaks "\n", tabs "\t", a table's cells
// "\t" between them and "\n" at the row's end. Font, colour and style tables,
// document information, pictures and "\*" destinations hold no text.
// Nothing when the input is not an RTF document or nests deeper than MaxGruppentiefe.
std::optional<std::u16string> rtfText(std::string_view rtf);

}  // namespace fluvan::conductivity
