#include "ConsoleDialogs.h"

#include <string>

namespace tarvik {

MessageAnswer ConsoleDialogs::MessageBox(std::string_view text, std::string_view caption,
                                         MessageIcon, MessageButtons buttons) {
    std::string line(caption);
    line += ": ";
    for (const char c : text) {
        if (c == '\r') {
            line += "\\r";
        } else if (c == '\n') {
            line += "\\n";
        } else {
            line.push_back(c);
        }
    }
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), out_);
    switch (buttons) {
        case MessageButtons::AbortRetryIgnore:
            return parseErrorAnswer_;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

bool ConsoleDialogs::InputQuery(std::string_view, std::string_view, std::string&) {
    return false;
}

}  // namespace tarvik
