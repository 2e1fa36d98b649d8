#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "ViewerDialogs.h"

namespace tarvik::test {

// The viewer's dialogs answered from scripts. Message boxes and text input behave as
// ScriptedDialogs; an open dialog or a colour chooser without a scripted answer is cancelled.
class ScriptedViewerDialogs final : public ViewerDialogs {
  public:
    struct FileRequest {
        std::string title;
        std::string filter;
        bool fileMustExist;
    };

    MessageAnswer MessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                             MessageButtons buttons) override {
        return basic.MessageBox(text, caption, icon, buttons);
    }
    bool InputQuery(std::string_view caption, std::string_view prompt,
                    std::string& value) override {
        return basic.InputQuery(caption, prompt, value);
    }
    std::optional<std::string> OpenFileName(std::string_view title, std::string_view filter,
                                            bool fileMustExist) override {
        fileRequests.push_back({std::string(title), std::string(filter), fileMustExist});
        return Take(openAnswers);
    }
    std::optional<TColor> ChooseColor(TColor initial) override {
        colorRequests.push_back(initial);
        return Take(colorAnswers);
    }

    std::vector<ScriptedDialogs::Message>& Messages() { return basic.messages; }

    ScriptedDialogs basic;
    std::vector<FileRequest> fileRequests;
    std::deque<std::optional<std::string>> openAnswers;
    std::vector<TColor> colorRequests;
    std::deque<std::optional<TColor>> colorAnswers;

  private:
    template <typename T>
    static std::optional<T> Take(std::deque<std::optional<T>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<T> answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace tarvik::test
