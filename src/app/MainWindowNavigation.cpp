// The main window's ways of moving the map beyond its tools: the keys that pan and zoom, the
// views gone through, the reload that keeps the view, the navigation options and a scenery
// dropped on the window.
#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "MainWindow.h"
#include "MapController.h"
#include "MapWidget.h"
#include "QtColor.h"
#include "QtText.h"
#include "Translate.h"

namespace tarvik {
namespace {

// The first scenery file among the dropped ones: a .scn or a .scm on the local disk.
std::optional<std::string> DroppedScenery(const QMimeData* data) {
    if (!data || !data->hasUrls()) return std::nullopt;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == "scn" || suffix == "scm") return QFile::encodeName(path).toStdString();
    }
    return std::nullopt;
}

}  // namespace

void TForm1::ConnectNavigation() {
    const MainActions& a = actions_;
    const auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    on(a.Reload, [this] { ReloadScenery(); });
    const auto pan = [this](int dx, int dy) {
        return [this, dx, dy] {
            Navigate([dx, dy](ViewState& v) {
                PanView(v, dx, dy);
                return false;
            });
        };
    };
    on(a.PanLeft, pan(-1, 0));
    on(a.PanRight, pan(1, 0));
    on(a.PanUp, pan(0, -1));
    on(a.PanDown, pan(0, 1));
    on(a.ZoomIn, [this] {
        Navigate([](ViewState& v) {
            ZoomInView(v);
            return false;
        });
    });
    on(a.ZoomOut, [this] {
        Navigate([this](ViewState& v) {
            if (!ZoomOutView(v, scenery_.Bounds())) return false;
            ShowAllView(v, scenery_.Bounds());
            return true;
        });
    });
    on(a.ShowAll, [this] {
        Navigate([this](ViewState& v) {
            ShowAllView(v, scenery_.Bounds());
            return true;
        });
    });
    on(a.PreviousView, [this] { GoThroughViews(true); });
    on(a.NextView, [this] { GoThroughViews(false); });
    on(a.WheelZoomsAtPointer, [this](bool on) { controller_->SetWheelZoomsAtPointer(on); });
    on(a.KeepPointer, [this](bool on) { controller_->SetKeepPointer(on); });
    setAcceptDrops(true);
}

void TForm1::ApplyNavigationSettings() {
    const NavigationSettings& n = settings_.Navigation;
    actions_.WheelZoomsAtPointer->setChecked(n.WheelZoomsAtPointer);
    actions_.KeepPointer->setChecked(n.KeepPointer);
    controller_->SetWheelZoomsAtPointer(n.WheelZoomsAtPointer);
    controller_->SetKeepPointer(n.KeepPointer);
}

void TForm1::ReloadScenery() {
    if (!SceneryLoaded() || loading_) return;
    LoadScenery(sceneryShortPath_, LoadView::KeepIfInside);
}

bool TForm1::NavigationKeyPress(const QKeyEvent& key) {
    // The menu bar walked by keys takes its arrows itself.
    if (qobject_cast<const QMenuBar*>(QApplication::focusWidget())) return false;
    // The window system may send a held key as releases and presses at one time, not all of
    // them marked as repeated.
    keyRepeating_ =
        key.isAutoRepeat() || (key.timestamp() != 0 && lastKeyRelease_.key == key.key() &&
                               lastKeyRelease_.time == key.timestamp());
    const bool handled = TriggerKeyPress(actions_, key.key(), key.modifiers());
    keyRepeating_ = false;
    return handled;
}

void TForm1::Navigate(const std::function<bool(ViewState&)>& change) {
    if (!SceneryLoaded() || loading_) return;
    FinishResize();
    zoom_->Finish();
    if (change(view_)) map_->Picture().fill(ToRgb(colors_.Background));
    RedrawMap(RedrawCause::Navigation);
}

void TForm1::RememberView() {
    // The steps of a zoom to a track are on the way to its view.
    if (restoringView_ || zoom_->Running()) return;
    history_.Visit(view_, keyRepeating_);
    ShowViewItems();
}

void TForm1::GoThroughViews(bool back) {
    if (!SceneryLoaded() || loading_) return;
    // A zoom under way ends first, as a view of its own.
    zoom_->Finish();
    const std::optional<ViewState> to = back ? history_.Back() : history_.Forward();
    if (!to) return;
    view_.ViewMin = to->ViewMin;
    view_.ViewMax = to->ViewMax;
    restoringView_ = true;
    RedrawMap(RedrawCause::Navigation);
    restoringView_ = false;
    ShowViewItems();
}

void TForm1::ShowViewItems() {
    actions_.PreviousView->setEnabled(SceneryLoaded() && history_.CanGoBack());
    actions_.NextView->setEnabled(SceneryLoaded() && history_.CanGoForward());
}

void TForm1::Measuring(double metres) {
    SetStatusText(FormatText(Translate("TForm1", "Odległość: %1"), {RulerDistanceText(metres)}));
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!loading_ && DroppedScenery(event->mimeData())) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = DroppedScenery(event->mimeData());
    if (!path || loading_) return;
    event->acceptProposedAction();
    // The program the file came from waits for the drop to end; the load comes after it.
    QTimer::singleShot(0, this, [this, p = *path] {
        lastOpenedPath_ = p;
        LoadScenery(p);
    });
}

}  // namespace tarvik
