#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tarvik::test {

// Acts on the next modal dialog of the given name once it is open: the code under test opens
// it with exec(), so the test's steps run from the dialog's own event loop.
inline void WhenModal(const char* name, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, name, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

// Acts once on the next modal dialog of the class Dialog, from that dialog's own event loop;
// the watch ends with context.
template <typename Dialog>
void WhenModalOf(QObject* context, std::function<void(Dialog&)> act) {
    auto* timer = new QTimer(context);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!modal) return;
        timer->stop();
        timer->deleteLater();
        act(*modal);
    });
    timer->start();
}

}  // namespace tarvik::test
