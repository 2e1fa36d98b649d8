#pragma once

#include <QDialog>
#include <string>

#include "ViewerDialogs.h"

class QLabel;
class QLineEdit;

namespace tarvik {

// "Przejdź do": one line for two numbers or a track name, completed from the names offered,
// and the reason a confirmed text leads nowhere, shown under it while the dialog stays open.
class GoToDialog final : public QDialog {
  public:
    GoToDialog(const GoToRequest& request, QWidget* parent);

    // The text confirmed, UTF-8.
    std::string Text() const;

    void accept() override;

  private:
    const GoToRequest& request_;
    QLineEdit* edit_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace tarvik
