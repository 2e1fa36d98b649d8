#pragma once

#include <string_view>

namespace tarvik {

// Whether a search for the word lowerEnd (lower case, starting with a letter) must look at the
// tokens of text: it may hold the word or "include" in any case, a comment, a quote, or with
// placeholders a '('. Most lines of the bodies searched hold none of these, and are told so
// sixteen bytes at a time.
bool MayStopSearch(std::string_view text, std::string_view lowerEnd, bool placeholders);

}  // namespace tarvik
