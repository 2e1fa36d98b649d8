#include "LoadQuestions.h"

#include <utility>

#include "LineTokenizer.h"
#include "SceneryParser.h"
#include "Translate.h"

namespace tarvik {
namespace {

// Adds the time of one question to the total when the question is over.
class Timed {
  public:
    Timed(const Stopwatch::Clock& clock, std::chrono::steady_clock::duration& total)
        : clock_(clock), total_(total), start_(clock()) {}
    ~Timed() { total_ += clock_() - start_; }
    Timed(const Timed&) = delete;
    Timed& operator=(const Timed&) = delete;

  private:
    const Stopwatch::Clock& clock_;
    std::chrono::steady_clock::duration& total_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace

LoadQuestions::LoadQuestions(UserDialogs& dialogs, Stopwatch::Clock clock)
    : dialogs_(dialogs), clock_(std::move(clock)) {}

MessageAnswer LoadQuestions::MessageBox(std::string_view text, std::string_view caption,
                                        MessageIcon icon, MessageButtons buttons) {
    if (answerParseErrors_) {
        if (caption == Translate("Scenery", kParseErrorCaption) &&
            buttons == MessageButtons::AbortRetryIgnore) {
            return MessageAnswer::Ignore;
        }
        if (text.starts_with(Translate("Scenery", kPieceReadError)) &&
            buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
    }
    const Timed timed(clock_, answering_);
    return dialogs_.MessageBox(text, caption, icon, buttons);
}

bool LoadQuestions::InputQuery(std::string_view caption, std::string_view prompt,
                               std::string& value) {
    const Timed timed(clock_, answering_);
    return dialogs_.InputQuery(caption, prompt, value);
}

}  // namespace tarvik
