#pragma once

#include <string>
#include <string_view>

namespace tarvik {

// Appends text so that it stays on one line of the output: its line breaks as \r and \n.
inline void AppendOnOneLine(std::string& line, std::string_view text) {
    for (const char c : text) {
        if (c == '\r') {
            line += "\\r";
        } else if (c == '\n') {
            line += "\\n";
        } else {
            line.push_back(c);
        }
    }
}

}  // namespace tarvik
