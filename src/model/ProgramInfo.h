#pragma once

namespace tarvik {

// The program's title, also the caption of its general error reports.
inline constexpr const char* kApplicationTitle = "Tarvik Track Viewer";
inline constexpr const char* kVersion = TARVIK_VERSION;

}  // namespace tarvik
