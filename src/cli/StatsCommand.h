#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace tarvik {

// tarvik stats SCENERY [load options]: the figures of the statistics window as JSON.
int RunStats(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

}  // namespace tarvik
