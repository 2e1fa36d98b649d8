#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "UserDialogs.h"

class QLabel;
class QWidget;

namespace tarvik {

class LoadInputBlock;
class LoadProgressPanel;

// The main window's status line as the status sink of loading and drawing. Outside a load each
// text is painted at once. During a load the texts and the progress are painted at most every
// few tens of milliseconds, from the event loop, which also repaints the windows meanwhile;
// a load that lasts shows the progress panel, and Esc or its button asks the load to stop.
class WindowStatus final : public StatusSink {
  public:
    // Painting during a load: often enough to look live and to answer Esc at once, seldom
    // enough that a load reporting very often is not slowed by it.
    static constexpr std::chrono::milliseconds kPaintInterval{40};
    // A shorter load ends before the panel would be worth showing.
    static constexpr std::chrono::milliseconds kPanelDelay{500};

    WindowStatus(QLabel& text, LoadProgressPanel& panel, const QWidget& window);
    ~WindowStatus() override;

    void StatusText(std::string_view text) override;
    void Progress(const LoadProgress& progress) override;
    bool StopRequested() override { return stopRequested_; }

    // Nothing outside a load.
    void RequestStop();
    bool Loading() const { return loading_; }

    // A load runs while it lives: the user's input is blocked except the stop, and the panel
    // goes with it; the last text is painted at its end.
    class LoadScope {
      public:
        explicit LoadScope(WindowStatus& status) : status_(status) { status_.BeginLoad(); }
        ~LoadScope() { status_.EndLoad(); }
        LoadScope(const LoadScope&) = delete;
        LoadScope& operator=(const LoadScope&) = delete;

      private:
        WindowStatus& status_;
    };

  private:
    using Clock = std::chrono::steady_clock;

    void BeginLoad();
    void EndLoad();
    // Paints what is pending and lets the event loop turn, when the interval has passed.
    void PaintWhenDue();
    void PaintPendingText();

    QLabel& text_;
    LoadProgressPanel& panel_;
    const QWidget& window_;
    bool loading_ = false;
    bool stopRequested_ = false;
    Clock::time_point loadStart_;
    Clock::time_point lastPaint_;
    std::string pendingText_;
    bool textPending_ = false;
    std::uint64_t sceneryDone_ = 0;
    std::uint64_t scenerySize_ = 0;
    bool reported_ = false;  // a progress report came in this load
    std::unique_ptr<LoadInputBlock> inputBlock_;
};

}  // namespace tarvik
