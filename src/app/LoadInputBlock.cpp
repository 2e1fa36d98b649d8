#include "LoadInputBlock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tarvik {
namespace {

bool IsPointerInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::NativeGesture:
        case QEvent::Gesture:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

bool IsKeyInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
            return true;
        default:
            return false;
    }
}

}  // namespace

LoadInputBlock::LoadInputBlock(const QWidget& stopControl, const QWidget& mainWindow,
                               std::function<void()> stop)
    : stopControl_(stopControl), mainWindow_(mainWindow), stop_(std::move(stop)) {
    qApp->installEventFilter(this);
}

LoadInputBlock::~LoadInputBlock() {
    qApp->removeEventFilter(this);
}

bool LoadInputBlock::eventFilter(QObject* watched, QEvent* event) {
    if (QApplication::activeModalWidget()) return false;
    const QEvent::Type type = event->type();
    if (IsKeyInput(type)) {
        if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) stop_();
        }
        // Taken as the focus's own, so that no shortcut acts on the key either.
        if (type == QEvent::ShortcutOverride) event->accept();
        return true;
    }
    // A window hands the pointer on to the widget under it, where it is judged.
    if (IsPointerInput(type) && watched->isWidgetType()) {
        const auto* widget = static_cast<const QWidget*>(watched);
        return widget != &stopControl_ && !stopControl_.isAncestorOf(widget);
    }
    // The window manager's close button of a tool window; the program's own closes pass.
    if (type == QEvent::Close && event->spontaneous() && watched->isWidgetType() &&
        watched != &mainWindow_) {
        event->ignore();
        return true;
    }
    return false;
}

}  // namespace tarvik
