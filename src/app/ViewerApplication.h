#pragma once

#include <QApplication>
#include <exception>
#include <string_view>

#include "Translate.h"
#include "UserDialogs.h"

namespace tarvik {

// Shows an error that no command handled: in a message box with the program's caption, or on
// standard error when there are no dialogs yet.
void ReportError(std::string_view text, UserDialogs* dialogs);

// Runs deliver. An error escaping it is reported and counts as an event not handled; the
// clean-up on its way out has run by then.
template <typename Deliver>
bool DeliverOrReport(Deliver&& deliver, UserDialogs* dialogs) {
    try {
        return deliver();
    } catch (const std::exception& e) {
        ReportError(e.what(), dialogs);
    } catch (...) {
        ReportError(Translate("ViewerApplication", "Wystąpił nieznany błąd programu."), dialogs);
    }
    return false;
}

// The viewer's application: every event goes through the general error report, so an error in
// a command is told to the user and the program goes on.
class ViewerApplication final : public QApplication {
  public:
    ViewerApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    // Where the reports go once the dialogs exist.
    void SetDialogs(UserDialogs* dialogs) { dialogs_ = dialogs; }

    bool notify(QObject* receiver, QEvent* event) override {
        return DeliverOrReport([&] { return QApplication::notify(receiver, event); }, dialogs_);
    }

  private:
    UserDialogs* dialogs_ = nullptr;
};

}  // namespace tarvik
