#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SegmentSearch.h"

namespace tarvik {

// The items of a comma-separated option value; empty items are skipped.
std::vector<std::string> SplitList(const std::string& list);

// The layers named in a --layers value, from tracks, roads, rivers and traction; every layer
// not named is off. A problem text for an unknown name.
std::optional<std::string> ParseLayers(const std::string& list, KindSet& layers);

// A whole option value as a finite number.
std::optional<double> ParseFiniteNumber(const std::string& text);

}  // namespace tarvik
