#pragma once

#include <QLabel>
#include <QString>

namespace tarvik {

// Long steps report their progress before they return to the event loop, so the text is painted
// at once.
inline void SetTextNow(QLabel& label, const QString& text) {
    label.setText(text);
    label.repaint();
}

}  // namespace tarvik
