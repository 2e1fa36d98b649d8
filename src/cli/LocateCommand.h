#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace tarvik {

// tarvik locate SCENERY X Z [--radius M] [--layers LIST] [load options]: the segments within
// M metres of the point (the scenery's own x and z), nearest first, with the file and line
// each was read from, as JSON.
// Returns the exit status: 0 loaded (also when nothing is near), 1 missing or ended by an
// error, 2 wrong usage.
int RunLocate(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace tarvik
