#pragma once

#include <QDialog>
#include <string_view>

class QLabel;

namespace tarvik {

// The start-up picture: borderless, centred on the screen, with the version, a notice and the
// progress of the start-up along its bottom edge. Shown again from the about box as a modal
// dialog that a click closes.
class TSplashScreenForm : public QDialog {
  public:
    static constexpr int kWidth = 523;
    static constexpr int kHeight = 350;

    // withProgress: the hourglass is the application's cursor while the window exists.
    TSplashScreenForm(QWidget* parent, bool withProgress);
    ~TSplashScreenForm() override;

    // Shows the step at once, without waiting for the event loop.
    void ShowProgress(std::string_view text);
    QString ProgressText() const;

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QLabel* progress_ = nullptr;
    bool busyCursor_ = false;
};

}  // namespace tarvik
