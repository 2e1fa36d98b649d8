#pragma once

#include <QPointer>
#include <QWidget>

#include "ViewerDialogs.h"

namespace tarvik {

// The viewer's dialogs as Qt shows them, each modal over the parent window, in the program's
// language.
class QtViewerDialogs final : public ViewerDialogs {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer MessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                             MessageButtons buttons) override;
    bool InputQuery(std::string_view caption, std::string_view prompt, std::string& value) override;
    std::optional<std::string> OpenFileName(const OpenFileRequest& request) override;
    std::optional<std::string> SaveFileName(std::string_view title, std::string_view filter,
                                            int& filterIndex) override;
    std::optional<TColor> ChooseColor(TColor initial) override;
    bool PrintDialog(QPrinter& printer) override;
    std::optional<std::string> GoTo(const GoToRequest& request) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace tarvik
