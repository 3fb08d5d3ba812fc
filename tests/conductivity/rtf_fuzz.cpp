// libFuzzer target for the rich-text reader (scripts/fuzz.sh): no input may
// crash it, hang it, or give more text than it has bytes or a broken UTF-16 text;
// read in small pieces, or up to a limit, it gives the same text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "conductivity/rtf.h"
#include "tests/conductivity/stueckquelle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view rtf(reinterpret_cast<const char*>(daten), groesse);
    const auto text = fluvan::conductivity::rtfText(rtf);

    // Pieces of 1 to 7 bytes put the borders between them anywhere.
    fluvan::test::Stueckquelle stuecke(rtf, 1 + groesse % 7);
    if (fluvan::conductivity::rtfText(stuecke, SIZE_MAX) != text) __builtin_trap();

    if (!text) return 0;
    if (text->size() > groesse) __builtin_trap();
    for (std::size_t i = 0; i < text->size(); ++i) {
        const char16_t z = (*text)[i];
        if (z >= 0xDC00 && z <= 0xDFFF) __builtin_trap();  // a low surrogate without its high one
        if (z >= 0xD800 && z <= 0xDBFF) {
            if (i + 1 == text->size() || (*text)[i + 1] < 0xDC00 || (*text)[i + 1] > 0xDFFF) __builtin_trap();
            ++i;
        }
    }

    // A limit at the text's length keeps it; one below refuses the document.
    fluvan::test::Stueckquelle genau(rtf, 3), knapp(rtf, 3);
    if (fluvan::conductivity::rtfText(genau, text->size()) != text) __builtin_trap();
    if (!text->empty() && fluvan::conductivity::rtfText(knapp, text->size() - 1)) __builtin_trap();
    return 0;
}
