#pragma once

#include <string>
#include <string_view>

namespace tarvik {

// Scenery texts are CP1250 bytes; they are only turned into UTF-8 where a person reads them.
std::string Cp1250ToUtf8(std::string_view bytes);

// Characters that CP1250 cannot hold become '?'; malformed UTF-8 bytes likewise.
std::string Utf8ToCp1250(std::string_view utf8);

bool IsValidUtf8(std::string_view text);

// File paths are bytes: those from the command line are UTF-8, include names come from
// CP1250 files, so a path is shown as UTF-8 when it is valid and decoded otherwise.
std::string DisplayPath(std::string_view path);

// Scenery text quoted in a message, in UTF-8: cut after a thousand characters, so that a
// damaged file with endless lines cannot make a message box endless.
std::string MessageExcerpt(std::string_view cp1250);

}  // namespace tarvik
