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

// How far a load has come: the file being read and the scenery file that includes it.
struct LoadProgress {
    std::string_view file;
    std::uint64_t fileDone = 0;  // bytes
    std::uint64_t fileSize = 0;
    std::uint64_t sceneryDone = 0;
    std::uint64_t scenerySize = 0;
};

// Receives the progress texts of long steps.
class StatusSink {
  public:
    virtual ~StatusSink() = default;
    virtual void StatusText(std::string_view text) = 0;
    // Now and then during a long load, so that a window can show it and repaint.
    virtual void Progress(const LoadProgress& /*progress*/) {}
    // Asked with every progress report; true ends the load as an error that keeps what was read.
    virtual bool StopRequested() { return false; }
};

}  // namespace tarvik
