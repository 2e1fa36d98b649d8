#include "WindowStatus.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "Cp1250.h"
#include "LoadInputBlock.h"
#include "LoadProgressPanel.h"
#include "QtText.h"
#include "TextNow.h"
#include "Translate.h"

namespace tarvik {

WindowStatus::WindowStatus(QLabel& text, LoadProgressPanel& panel, const QWidget& window)
    : text_(text), panel_(panel), window_(window) {
    QObject::connect(&panel_.StopButton(), &QPushButton::clicked, &panel_,
                     [this] { RequestStop(); });
}

WindowStatus::~WindowStatus() = default;

void WindowStatus::StatusText(std::string_view text) {
    if (!loading_) {
        SetTextNow(text_, ToQString(text));
        return;
    }
    // A scenery of many small files sets a text for each; only the last one painted matters.
    pendingText_.assign(text);
    textPending_ = true;
    PaintWhenDue();
}

void WindowStatus::Progress(const LoadProgress& p) {
    if (!loading_) return;
    reported_ = true;
    sceneryDone_ = p.sceneryDone;
    scenerySize_ = p.scenerySize;
    const int percent =
        p.fileSize == 0
            ? 100
            : static_cast<int>(std::min<std::uint64_t>(100, p.fileDone * 100 / p.fileSize));
    pendingText_ = FormatText(Translate("WindowStatus", "Ładowanie... %1 (%2%)"),
                              {DisplayPath(p.file), std::to_string(percent)});
    textPending_ = true;
    PaintWhenDue();
}

void WindowStatus::RequestStop() {
    if (!loading_) return;
    stopRequested_ = true;
    panel_.StopButton().setEnabled(false);
}

void WindowStatus::BeginLoad() {
    loading_ = true;
    stopRequested_ = false;
    textPending_ = false;
    sceneryDone_ = scenerySize_ = 0;
    reported_ = false;
    loadStart_ = lastPaint_ = Clock::now();
    panel_.Reset();
    inputBlock_ =
        std::make_unique<LoadInputBlock>(panel_.StopButton(), window_, [this] { RequestStop(); });
}

void WindowStatus::EndLoad() {
    inputBlock_.reset();
    loading_ = false;
    panel_.hide();
    if (textPending_) PaintPendingText();
}

void WindowStatus::PaintWhenDue() {
    const Clock::time_point now = Clock::now();
    if (now - lastPaint_ < kPaintInterval) return;
    lastPaint_ = now;
    if (!panel_.isVisible() && now - loadStart_ >= kPanelDelay) panel_.show();
    if (panel_.isVisible() && reported_) panel_.ShowShare(sceneryDone_, scenerySize_);
    if (textPending_) {
        textPending_ = false;
        text_.setText(ToQString(pendingText_));
    }
    // The input is blocked meanwhile, all but the stop.
    QCoreApplication::processEvents();
}

void WindowStatus::PaintPendingText() {
    textPending_ = false;
    SetTextNow(text_, ToQString(pendingText_));
}

}  // namespace tarvik
