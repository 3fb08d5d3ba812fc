#pragma once
// Our own reader of rich text: the plain text that a text box holds of an RTF
// document. It reads any input to its end in one pass, so broken or hostile
// documents cost no more than their length and never crash it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fluvan::conductivity {

// Groups nested deeper than this mark a broken document.
inline constexpr int MaxGruppentiefe = 1000;

// The reader pulls a document's bytes in pieces of at most this many, so that
// a file never lies in memory whole.
inline constexpr std::size_t Stueckgroesse = 16 * 1024;

// Where the reader takes a document's bytes from.
class Quelle {
public:
    virtual ~Quelle() = default;
    // Copies up to `platz` further bytes of the document to `ziel`, at least
    // one while there are any; 0 at its end.
    virtual std::size_t lies(char* ziel, std::size_t platz) = 0;
    // The document's bytes in all. Its text has no more characters than
    // that, so the reader makes room for the text at once instead of growing it.
    virtual std::size_t groesse() const = 0;
};

// The text of the document, one UTF-16 code unit per character as the box
// counts them: paragraphs and line breaks "\n", tabs "\t", a table's cells
// "\t" between them and "\n" at the row's end. Font, colour and style tables,
// document information, pictures and "\*" destinations hold no text.
// Nothing when the input is not an RTF document or nests deeper than MaxGruppentiefe.
std::optional<std::u16string> rtfText(std::string_view rtf);

// The same text, read only as far as needed: nothing as soon as the start is
// no RTF document or the text grows past `maxZeichen` characters.
std::optional<std::u16string> rtfText(Quelle& quelle, std::size_t maxZeichen);

}  // namespace fluvan::conductivity
