#pragma once

#include <array>
#include <string_view>

namespace tarvik {

// The common shape of a point line, three short decimals separated by spaces, read in one
// pass. Returns false, having read nothing, for any line it does not recognise; the caller
// then splits and converts it the general way, which gives the same numbers for the lines
// this accepts.
// Without withMiddle the second token is only stepped over, as the general way never converts
// it then, and values[1] is left as it was.
bool ReadPointLine(std::string_view line, std::array<double, 3>& values, bool withMiddle = true);

}  // namespace tarvik
