#include "MapController.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

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
    switch (tool) {
        case MapTool::Hand:
            SetCursor(CursorTable::kHand);
            break;
        case MapTool::Zoom:
            SetCursor(CursorTable::kZoomIn);
            break;
        case MapTool::Ruler:
            SetCursor(kCrossCursor);
            break;
        case MapTool::Identify:
            SetCursor(CursorTable::kIdentify);
            break;
        case MapTool::None:
            SetCursor(kDefaultCursor);
            break;
    }
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
    if (effect.warpPointer) QCursor::setPos(map_.mapToGlobal(map_.rect().center()));
    if (effect.grab) {
        SetCursor(CursorTable::kGrab);
        if (!grabbing_) QApplication::setOverrideCursor(cursors_.Cursor(CursorTable::kGrab));
        grabbing_ = true;
    }
    if (effect.redraw) emit viewChanged(effect.showAll);
}

void MapController::Press(const QMouseEvent& event) {
    if (!active_) return;
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
    emit aboutToNavigate();
    const QPoint p = event.position().toPoint();
    const PressEffect effect =
        navigator_.Press(button, ToShift(event.modifiers(), event.buttons()), p.x(), p.y(),
                         map_.width(), map_.height(), view_, scenery_.Bounds());
    Apply(effect);
    if (effect.identify && button != MouseButton::Middle)
        emit identify(p, button == MouseButton::Right);
}

void MapController::Move(const QMouseEvent& event) {
    if (!active_) {
        SetCursor(kDefaultCursor);
        return;
    }
    const ShiftSet shift = ToShift(event.modifiers(), event.buttons());
    const QPoint p = event.position().toPoint();
    const MapTool tool = navigator_.Tool();
    if (tool == MapTool::Ruler && shift == kLeft) {
        if (navigator_.PressPending()) {
            map_.ShowRubberLine({navigator_.PressX(), navigator_.PressY()}, p);
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

void MapController::EndGrab() {
    if (!grabbing_) return;
    grabbing_ = false;
    QApplication::restoreOverrideCursor();
    SetCursor(CursorTable::kHand);
}

void MapController::DropPress() {
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
    EndGrab();
    const QPoint p = event.position().toPoint();
    const ReleaseEffect effect = navigator_.Release(p.x(), p.y(), view_);
    if (effect.kind == ReleaseEffect::Kind::Measured) emit measured(effect.distance);
    if (effect.redraw) emit viewChanged(false);
}

void MapController::Wheel(const QWheelEvent& event) {
    if (!active_) return;
    const QPoint angle = event.angleDelta();
    const std::optional<WheelTurn> turn =
        WheelTurnOf(ToShift(event.modifiers(), Qt::NoButton), angle.x(), angle.y());
    if (!turn) return;
    emit aboutToNavigate();
    Apply(navigator_.Wheel(turn->keys, turn->delta, map_.width(), map_.height(), view_,
                           scenery_.Bounds()));
}

}  // namespace tarvik
