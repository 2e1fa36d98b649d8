#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace tarvik {

// While a load runs, the event loop turns now and then so that the windows repaint; the user's
// input must not start another command meanwhile. This filter of the whole application drops
// that input, except what goes to the stop control, and turns Esc into a stop. Closing the main
// window passes: the window itself stops the load and closes after it. A question the load
// asks is a modal dialog, which Qt keeps the only window taking input, so its input passes.
class LoadInputBlock final : public QObject {
  public:
    LoadInputBlock(const QWidget& stopControl, const QWidget& mainWindow,
                   std::function<void()> stop);
    ~LoadInputBlock() override;
    LoadInputBlock(const LoadInputBlock&) = delete;
    LoadInputBlock& operator=(const LoadInputBlock&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const QWidget& stopControl_;
    const QWidget& mainWindow_;
    std::function<void()> stop_;
};

}  // namespace tarvik
