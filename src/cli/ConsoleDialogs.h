#pragma once

#include <cstdio>

#include "UserDialogs.h"

namespace tarvik {

// Dialogs without a window: each message box is one line "caption: text" on a stream, the
// parse-error question is answered as chosen on the command line and every other question No.
class ConsoleDialogs final : public UserDialogs {
  public:
    ConsoleDialogs(std::FILE* out, MessageAnswer parseErrorAnswer)
        : out_(out), parseErrorAnswer_(parseErrorAnswer) {}

    MessageAnswer MessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                             MessageButtons buttons) override;
    bool InputQuery(std::string_view caption, std::string_view prompt, std::string& value) override;

  private:
    std::FILE* out_;
    MessageAnswer parseErrorAnswer_;
};

}  // namespace tarvik
