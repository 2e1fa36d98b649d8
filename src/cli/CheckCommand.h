#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace tarvik {

// tarvik check SCENERY [--author] [--precision 1..10] [--gap METRES] [--json]: loads the
// scenery answering every parse error Ignore and every question No, and prints what the load
// met and what the checks of the model find, in file order: one "FILE:LINE: severity: kind:
// message" line each, or one JSON object.
// Returns the exit status: 0 nothing found, 3 something found, 1 missing scenery, 2 wrong
// usage, 128 plus the signal when a stop signal came during the load.
int RunCheck(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace tarvik
