#pragma once

#include <chrono>

#include "ElapsedText.h"
#include "UserDialogs.h"

namespace tarvik {

// The dialogs a load and its drawing ask through. It adds up the time the user spends
// answering, so that the load's reported time leaves it out. It may also keep the boxes about
// lines that cannot be read away: the parse-error question is then answered Ignore and the
// message about a piece left out is not shown; the load's problems keep both.
class LoadQuestions final : public UserDialogs {
  public:
    LoadQuestions(UserDialogs& dialogs, Stopwatch::Clock clock);

    void SetAnswerParseErrors(bool answer) { answerParseErrors_ = answer; }
    // The time spent in questions so far; a load takes the difference over its run.
    std::chrono::steady_clock::duration Answering() const { return answering_; }

    MessageAnswer MessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                             MessageButtons buttons) override;
    bool InputQuery(std::string_view caption, std::string_view prompt, std::string& value) override;

  private:
    UserDialogs& dialogs_;
    Stopwatch::Clock clock_;
    std::chrono::steady_clock::duration answering_{};
    bool answerParseErrors_ = false;
};

}  // namespace tarvik
