#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace tarvik {

// tarvik render SCENERY -o FILE [options]: loads the scenery and writes its map as PNG or BMP.
// Needs a QGuiApplication. Returns the exit status: 0 written, 1 missing, ended by an error or
// not written, 2 wrong usage.
int RunRender(const std::vector<std::string>& args, std::FILE* err);

}  // namespace tarvik
