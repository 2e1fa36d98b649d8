#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace tarvik {

// tarvik dump SCENERY [--author] [--precision 1..10] [--on-parse-error ignore|abort]
//                     [--summary]
// Returns the exit status: 0 loaded, 1 missing or ended by an error, 2 wrong usage.
int RunDump(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace tarvik
