#pragma once
// Whether the program finds every marker of a document where the document
// puts it. The lookup takes the first place of a marker's three letters, in
// any case and also inside a word, so text before a marker must not hold
// them: a heading "Handbook" before "Han" would move that medium's passage.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "conductivity/stofftabelle.h"

namespace fluvan::tools {

// `folge`: the markers in the order the document holds them, each on a line of
// its own. Nothing when the text the program reads of `rtf` finds each of them
// there first; otherwise what is wrong, naming the marker.
std::optional<std::string> markeNichtAnIhremPlatz(std::string_view rtf, std::span<const conductivity::Marke> folge);

}  // namespace fluvan::tools
