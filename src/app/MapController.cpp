#include "MapController.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>
#include <cstdlib>

#include "Cursors.h"
#include "MapWidget.h"

namespace tarvik {
namespace {

ShiftSet ToShift(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons) {
    ShiftSet s = 0;
    if (keys & Qt::ShiftModifier) s |= kShift;
    if (keys & Qt::AltModifier) s |= kAlt;
    if (keys & Qt::ControlModifier) s |= kCtrl;
    if (keys & Qt::MetaModifier) s |= kOtherKey;
    if (buttons & Qt::LeftButton) s |= kLeft;
    if (buttons & Qt::RightButton) s |= kRight;
    if (buttons & Qt::MiddleButton) s |= kMiddle;
    return s;
}

int ToolCursor(MapTool tool) {
    switch (tool) {
        case MapTool::Hand:
            return CursorTable::kHand;
        case MapTool::Zoom:
            return CursorTable::kZoomIn;
        case MapTool::Ruler:
            return kCrossCursor;
        case MapTool::Identify:
            return CursorTable::kIdentify;
        case MapTool::None:
            break;
    }
    return kDefaultCursor;
}

// A wheel notch zooms by this; finer wheels and touchpads in proportion to their turn.
constexpr double kWheelZoomStep = 1.25;
constexpr double kWheelNotch = 120;

}  // namespace

MapController::MapController(MapWidget& map, ViewState& view, const TScenery& scenery,
                             const CursorTable& cursors)
    : map_(map), view_(view), scenery_(scenery), cursors_(cursors) {
    map_.onPress = [this](QMouseEvent* e) { Press(*e); };
    map_.onMove = [this](QMouseEvent* e) { Move(*e); };
    map_.onRelease = [this](QMouseEvent* e) { Release(*e); };
}

MapController::~MapController() {
    if (grabbing_) QApplication::restoreOverrideCursor();
}

void MapController::SetTool(MapTool tool) {
    navigator_.SetTool(tool);
    SetCursor(ToolCursor(tool));
}

void MapController::SetCursor(int slot) {
    if (slot == cursor_) return;
    cursor_ = slot;
    if (slot == kCrossCursor) {
        map_.setCursor(Qt::CrossCursor);
    } else if (slot == kDefaultCursor) {
        map_.setCursor(Qt::ArrowCursor);
    } else {
        map_.setCursor(cursors_.Cursor(slot));
    }
}

void MapController::Apply(const PressEffect& effect) {
    if (effect.warpPointer && !keepPointer_)
        QCursor::setPos(map_.mapToGlobal(map_.rect().center()));
    if (effect.grab) Grab();
    if (effect.redraw) emit viewChanged(effect.showAll);
}

void MapController::Press(const QMouseEvent& event) {
    if (!active_) return;
    // Another button ends a pan by the middle one without moving the map.
    DropMiddle();
    MouseButton button;
    switch (event.button()) {
        case Qt::LeftButton:
            button = MouseButton::Left;
            break;
        case Qt::RightButton:
            button = MouseButton::Right;
            break;
        case Qt::MiddleButton:
            button = MouseButton::Middle;
            break;
        default:
            DropPress();
            return;
    }
    const QPoint p = event.position().toPoint();
    const ShiftSet shift = ToShift(event.modifiers(), event.buttons());
    if (button == MouseButton::Middle && !InEdgeBand(p.x(), p.y(), map_.width(), map_.height())) {
        // A drag or measurement of another button begun ends here.
        DropPress();
        middle_ = MiddleHold{p, shift, false};
        return;
    }
    PressAt(button, shift, p);
}

void MapController::PressAt(MouseButton button, ShiftSet shift, QPoint p) {
    emit aboutToNavigate();
    const PressEffect effect = navigator_.Press(button, shift, p.x(), p.y(), map_.width(),
                                                map_.height(), view_, scenery_.Bounds());
    Apply(effect);
    if (effect.identify && button != MouseButton::Middle)
        emit identify(p, button == MouseButton::Right);
}

void MapController::DropMiddle() {
    if (!middle_) return;
    const bool dragging = middle_->dragging;
    middle_.reset();
    if (!dragging) return;
    EndGrab();
    map_.ClearFeedback();
}

void MapController::Move(const QMouseEvent& event) {
    if (!active_) {
        SetCursor(kDefaultCursor);
        return;
    }
    const ShiftSet shift = ToShift(event.modifiers(), event.buttons());
    const QPoint p = event.position().toPoint();
    if (middle_) {
        if (!middle_->dragging &&
            (p - middle_->at).manhattanLength() >= QApplication::startDragDistance()) {
            middle_->dragging = true;
            Grab();
        }
        if (middle_->dragging) {
            map_.ShowDrag(p - middle_->at);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        return;
    }
    const MapTool tool = navigator_.Tool();
    if (tool == MapTool::Ruler && shift == kLeft) {
        if (navigator_.PressPending()) {
            map_.ShowRubberLine({navigator_.PressX(), navigator_.PressY()}, p);
            if (const std::optional<double> d = navigator_.DistanceTo(p.x(), p.y(), view_))
                emit measuring(*d);
        }
        return;
    }
    if (tool == MapTool::Hand && (shift == kLeft || shift == kRight)) {
        if (navigator_.PressPending()) {
            map_.ShowDrag({p.x() - navigator_.PressX(), p.y() - navigator_.PressY()});
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        return;
    }
    SetCursor(navigator_.CursorAt(shift, p.x(), p.y(), map_.width(), map_.height(), view_));
}

void MapController::Grab() {
    SetCursor(CursorTable::kGrab);
    if (!grabbing_) QApplication::setOverrideCursor(cursors_.Cursor(CursorTable::kGrab));
    grabbing_ = true;
}

void MapController::EndGrab() {
    if (!grabbing_) return;
    grabbing_ = false;
    QApplication::restoreOverrideCursor();
    SetCursor(ToolCursor(navigator_.Tool()));
}

void MapController::DropPress() {
    DropMiddle();
    if (!navigator_.PressPending()) return;
    navigator_.DropPress();
    EndGrab();
    map_.ClearFeedback();
}

void MapController::Release(const QMouseEvent& event) {
    // The release of a button that pressed nothing (back, forward) leaves everything.
    if (event.button() != Qt::LeftButton && event.button() != Qt::RightButton &&
        event.button() != Qt::MiddleButton) {
        return;
    }
    const QPoint p = event.position().toPoint();
    if (middle_ && event.button() == Qt::MiddleButton) {
        const MiddleHold hold = *middle_;
        middle_.reset();
        if (hold.dragging) {
            // The moved picture stays while the map is drawn: where the button was let go.
            map_.ShowDrag(p - hold.at);
            EndGrab();
            emit aboutToNavigate();
            DragView(view_, hold.at.x(), hold.at.y(), p.x(), p.y());
            emit viewChanged(false);
            return;
        }
        // Not a drag after all: the press acts as it always did, then its release.
        PressAt(MouseButton::Middle, hold.shift, hold.at);
    }
    if (map_.Dragging() && navigator_.PressPending())
        map_.ShowDrag({p.x() - navigator_.PressX(), p.y() - navigator_.PressY()});
    EndGrab();
    const ReleaseEffect effect = navigator_.Release(p.x(), p.y(), view_);
    if (effect.kind == ReleaseEffect::Kind::Measured) emit measured(effect.distance);
    if (effect.redraw) emit viewChanged(false);
}

bool MapController::WheelZoom(const QWheelEvent& event) {
    const ShiftSet keys = ToShift(event.modifiers(), Qt::NoButton);
    const QPoint angle = event.angleDelta();
    if ((keys != 0 && keys != kCtrl) || angle.y() == 0 ||
        std::abs(static_cast<long long>(angle.y())) < std::abs(static_cast<long long>(angle.x()))) {
        return false;
    }
    QPointF at = map_.mapFromGlobal(event.globalPosition());
    // Turned over the tool bar or the status line: about the middle of the map.
    if (!QRectF(map_.rect()).contains(at)) at = QRectF(map_.rect()).center();
    emit aboutToNavigate();
    const double factor = std::pow(kWheelZoomStep, angle.y() / kWheelNotch);
    const bool showAll = ZoomViewAt(view_, scenery_.Bounds(), at.x(), at.y(), factor);
    emit viewChanged(showAll);
    return true;
}

void MapController::Wheel(const QWheelEvent& event) {
    if (!active_) return;
    if (wheelZoomsAtPointer_ && WheelZoom(event)) return;
    const QPoint angle = event.angleDelta();
    const std::optional<WheelTurn> turn =
        WheelTurnOf(ToShift(event.modifiers(), Qt::NoButton), angle.x(), angle.y());
    if (!turn) return;
    emit aboutToNavigate();
    Apply(navigator_.Wheel(turn->keys, turn->delta, map_.width(), map_.height(), view_,
                           scenery_.Bounds()));
}

}  // namespace tarvik
