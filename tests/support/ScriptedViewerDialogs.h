#pragma once

#include <QPrinter>
#include <QString>
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
    // Save requests are recorded with fileMustExist false.
    using FileRequest = OpenFileRequest;

    MessageAnswer MessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                             MessageButtons buttons) override {
        return basic.MessageBox(text, caption, icon, buttons);
    }
    bool InputQuery(std::string_view caption, std::string_view prompt,
                    std::string& value) override {
        return basic.InputQuery(caption, prompt, value);
    }
    std::optional<std::string> OpenFileName(const OpenFileRequest& request) override {
        fileRequests.push_back(request);
        return Take(openAnswers);
    }
    std::optional<std::string> SaveFileName(std::string_view title, std::string_view filter,
                                            int& filterIndex) override {
        FileRequest request;
        request.title = title;
        request.filter = filter;
        request.fileMustExist = false;
        fileRequests.push_back(request);
        saveFilterShown.push_back(filterIndex);
        if (saveAnswers.empty()) return std::nullopt;
        const SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        if (!answer.path) return std::nullopt;
        filterIndex = answer.filterIndex;
        return answer.path;
    }
    bool PrintDialog(QPrinter& printer) override {
        ++printRequests;
        if (printAnswers.empty()) return false;
        const std::optional<PrintAnswer> answer = printAnswers.front();
        printAnswers.pop_front();
        if (!answer) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(answer->pdfPath));
        printer.setCopyCount(answer->copies);
        return true;
    }
    std::optional<TColor> ChooseColor(TColor initial) override {
        colorRequests.push_back(initial);
        return Take(colorAnswers);
    }

    // Types the scripted texts one after another until the check takes one; without one
    // that it takes, the dialog is cancelled.
    std::optional<std::string> GoTo(const GoToRequest& request) override {
        goToRequests.push_back({request.prompt, request.names});
        while (!goToTexts.empty()) {
            const std::string text = goToTexts.front();
            goToTexts.pop_front();
            const std::string message = request.check(text);
            if (message.empty()) return text;
            goToMessages.push_back(message);
        }
        return std::nullopt;
    }

    std::vector<ScriptedDialogs::Message>& Messages() { return basic.messages; }

    ScriptedDialogs basic;
    std::vector<FileRequest> fileRequests;
    std::deque<std::optional<std::string>> openAnswers;
    struct SaveAnswer {
        std::optional<std::string> path;  // nothing cancels
        int filterIndex = 1;
    };
    std::deque<SaveAnswer> saveAnswers;
    std::vector<int> saveFilterShown;
    // A confirmed print dialog prints into a PDF file.
    struct PrintAnswer {
        std::string pdfPath;
        int copies = 1;
    };
    std::deque<std::optional<PrintAnswer>> printAnswers;
    int printRequests = 0;
    std::vector<TColor> colorRequests;
    std::deque<std::optional<TColor>> colorAnswers;
    struct GoToShown {
        std::string prompt;
        std::vector<std::string> names;
    };
    std::vector<GoToShown> goToRequests;
    std::deque<std::string> goToTexts;
    std::vector<std::string> goToMessages;  // shown in the dialog, in order

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
