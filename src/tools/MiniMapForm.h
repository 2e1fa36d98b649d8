#pragma once

#include <QImage>
#include <QWidget>
#include <atomic>
#include <functional>
#include <future>
#include <memory>

#include "MiniMap.h"
#include "PaintMap.h"
#include "ViewState.h"

namespace tarvik {

// What the mini-map window reads from the main window and asks of it.
class MiniMapHost {
  public:
    virtual ~MiniMapHost() = default;
    virtual MapSources Sources() const = 0;
    // While the model is being replaced nothing may be drawn from it.
    virtual bool ModelBusy() const = 0;
    virtual PaintHooks MiniMapPaintHooks() = 0;
    // How each drawing of the cached picture ended; the main window ends the program when the
    // user asks to.
    virtual void MiniMapDrawn(MapOutcome outcome) = 0;
    virtual const ViewState& View() const = 0;
    // Centres the main view on a world point and redraws the main map.
    virtual void CenterOn(double x, double y) = 0;
};

// The mini-map window ("Miniaturka"): a resizable stay-on-top tool window with the whole
// scenery small and a red frame around the main view; a press centres the main view there.
class TMiniMapForm : public QWidget {
  public:
    static constexpr int kDefaultWidth = 165;
    static constexpr int kDefaultHeight = 140;

    TMiniMapForm(MiniMapHost& host, QWidget* parent);
    ~TMiniMapForm() override;

    // Draws the window picture again, first the cached scenery picture when rebuild asks for it
    // (a new scenery) or the switches and colours it was drawn with have changed. A hidden
    // window and an empty bounding box are left alone.
    void Refresh(bool rebuild);
    // Prepares the drawing of the cached picture, for a new scenery (newScenery) or for
    // switches and colours it was not drawn with, and returns the work that draws it, for the
    // caller to run beside the main map's bands; the next Refresh takes it, drawing it then if
    // the work has not run. The host's sources must stay as they are until then. Returns no
    // work when the picture needs no drawing, and for a drawing that may stop at the runaway
    // question (a new scenery's is then drawn at once); a hidden window and an empty bounding
    // box are left alone.
    std::function<void()> StartRebuild(bool newScenery);
    bool Rebuilding() const { return pending_ != nullptr; }
    const QImage& Picture() const { return miniMap_.Picture(); }
    // The window picture framing another view (that of a saved picture or a printed page),
    // leaving the window's own picture as it is; the window picture itself while there is no
    // scenery to frame.
    QImage PictureFraming(const ViewState& view) const;
    const MiniMap& Map() const { return miniMap_; }

    // Called when the user closes the window; hiding it from the program does not call it.
    std::function<void()> onUserClose;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    MiniMapHost& host_;
    MiniMap miniMap_;
    // The cache was resized (its contents discarded) and not drawn since.
    bool cacheStale_ = true;
    // A drawing prepared by StartRebuild: run by whoever claims it first, the work handed out
    // or Refresh.
    struct PendingDrawing {
        std::atomic<bool> claimed{false};
        std::packaged_task<MiniMap::Drawing()> task;
        std::future<MiniMap::Drawing> result;
    };
    // Ends the pending drawing: claims it and, when draw asks, runs it if it has not started,
    // or waits for it to end; what it drew (nothing when it was kept from starting).
    MiniMap::Drawing TakePending(bool draw);
    std::shared_ptr<PendingDrawing> pending_;
};

}  // namespace tarvik
