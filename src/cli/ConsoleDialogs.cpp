#include "ConsoleDialogs.h"

#include <string>

#include "OneLine.h"

namespace tarvik {

MessageAnswer ConsoleDialogs::MessageBox(std::string_view text, std::string_view caption,
                                         MessageIcon, MessageButtons buttons) {
    std::string line(caption);
    line += ": ";
    AppendOnOneLine(line, text);
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
