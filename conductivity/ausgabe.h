#pragma once
// The passage lookup of the conductivity window: the document is loaded into
// the box afresh, the selected medium's two markers are searched from the
// first character, and the text between them is left alone in the box.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/variable.h"

namespace fluvan::conductivity {

// What the rich-text box holds: its text and its selection, counted in
// characters of that text.
struct Kasteninhalt {
    std::u16string Text;
    std::int32_t SelStart = 0;
    std::int32_t SelLength = 0;

    // Searches from `start` to the end, case ignored, also inside words; the
    // match becomes the selection. Nothing changes when there is no match.
    bool Find(std::u16string_view suchtext, std::int32_t start);

    // The selected characters; a selection is cut to the text.
    std::u16string SelText() const;
};

// Positions live in 32-bit floats, which count whole numbers exactly up to 2^24.
inline constexpr std::size_t MaxDokumentzeichen = 16'777'216;

// Larger files are not read into memory.
inline constexpr std::uintmax_t MaxDateigroesse = 256u << 20;

// The document's text as the box holds it; nothing when the file cannot be
// read, is no RTF document, or holds more characters than a position counts.
// The file is read piece by piece and only until its text is known to fail.
std::optional<std::u16string> leseDokument(const std::filesystem::path& dokument);

enum class Ausgang { Passage, KeinEintrag, Unlesbar };

// On `Passage` the box holds the passage of the medium named in Stoffname, and
// PosAnfang and PosEnde the places of its markers. Otherwise the box is empty:
// the document cannot be read, or it has no passage of this medium (no row of
// that name, a marker missing, or the Endmarke before the Anfangsmarke's end).
Ausgang Ausgabe(base::Variable& v, Kasteninhalt& kasten, const std::filesystem::path& dokument);

// Selects the characters after the Anfangsmarke at PosAnfang up to the
// Endmarke at PosEnde.
void Korrektur(const base::Variable& v, Kasteninhalt& kasten);

}  // namespace fluvan::conductivity
