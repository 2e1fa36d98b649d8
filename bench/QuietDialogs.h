#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ViewerDialogs.h"

namespace tarvik {

// Every question is answered as by a user who does not want to be asked.
class QuietDialogs final : public ViewerDialogs {
  public:
    MessageAnswer MessageBox(std::string_view, std::string_view, MessageIcon,
                             MessageButtons buttons) override {
        switch (buttons) {
            case MessageButtons::YesNo:
                return MessageAnswer::No;
            case MessageButtons::AbortRetryIgnore:
                return MessageAnswer::Ignore;
            case MessageButtons::Ok:
                break;
        }
        return MessageAnswer::Ok;
    }
    bool InputQuery(std::string_view, std::string_view, std::string&) override { return false; }
    std::optional<std::string> OpenFileName(const OpenFileRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileName(std::string_view, std::string_view, int&) override {
        return std::nullopt;
    }
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    bool PrintDialog(QPrinter&) override { return false; }
    std::optional<std::string> GoTo(const GoToRequest&) override { return std::nullopt; }
};

}  // namespace tarvik
