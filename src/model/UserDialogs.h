#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ProgramInfo.h"

namespace tarvik {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo, AbortRetryIgnore };
enum class MessageAnswer { Ok, Yes, No, Abort, Retry, Ignore, Cancel };

// Where the model asks and tells the user. The viewer answers with dialogs, the command line
// tool and the tests without. All texts are UTF-8.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    virtual MessageAnswer MessageBox(std::string_view text, std::string_view caption,
                                     MessageIcon icon, MessageButtons buttons) = 0;

    // A text input with OK and Cancel; returns false on Cancel. value holds the initial text
    // and receives the entered one.
    virtual bool InputQuery(std::string_view caption, std::string_view prompt,
                            std::string& value) = 0;
};

// Receives the progress texts of long steps.
class StatusSink {
  public:
    virtual ~StatusSink() = default;
    virtual void StatusText(std::string_view text) = 0;
    // How far the reading of one file has come, now and then during a long load, so that a
    // window can show it and repaint.
    virtual void Progress(std::string_view /*path*/, std::uint64_t /*done*/,
                          std::uint64_t /*total*/) {}
};

}  // namespace tarvik
