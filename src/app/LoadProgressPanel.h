#pragma once

#include <QWidget>
#include <cstdint>

class QProgressBar;
class QPushButton;

namespace tarvik {

// The status line's part shown while a long load runs: how much of the scenery file has been
// read, and the button that stops the load.
class LoadProgressPanel final : public QWidget {
  public:
    explicit LoadProgressPanel(QWidget* parent);

    // done of size bytes of the scenery file; a size not known shows a busy bar.
    void ShowShare(std::uint64_t done, std::uint64_t size);
    // A fresh bar for the next load.
    void Reset();
    QPushButton& StopButton() const { return *stop_; }

  private:
    QProgressBar* bar_ = nullptr;
    QPushButton* stop_ = nullptr;
};

}  // namespace tarvik
