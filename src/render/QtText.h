#pragma once

#include <QString>
#include <string_view>

namespace tarvik {

// Texts of the program are UTF-8; texts of the scenery keep the file's CP1250 bytes.
QString ToQString(std::string_view utf8);
QString Cp1250ToQString(std::string_view cp1250);

// A text of the program in the language of the user interface; the source tools find the
// calls by this name, so the context and the source are string literals.
QString Tr(const char* context, const char* source);

}  // namespace tarvik
