#include "PointerPanel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "NumberText.h"

namespace tarvik {
namespace {

// The typographic minus, which lines up with the digits as the hyphen does not.
constexpr const char* kMinus = "\u2212";

std::string Signed(double value, int decimals) {
    std::string text = FormatFixed(value, decimals, false);
    if (!text.empty() && text.front() == '-') text.replace(0, 1, kMinus);
    return text;
}

}  // namespace

std::string CoordinatesText(double sceneryX, double sceneryZ) {
    return "x: " + Signed(sceneryX, 1) + "  z: " + Signed(sceneryZ, 1);
}

std::string ScaleText(double metresPerPixel) {
    if (!std::isfinite(metresPerPixel) || metresPerPixel <= 0) return {};
    const int magnitude = static_cast<int>(std::floor(std::log10(metresPerPixel)));
    std::string number = FormatFixed(metresPerPixel, std::max(0, 2 - magnitude), false);
    if (number.find(',') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == ',') number.pop_back();
    }
    return "1 px = " + number + " m";
}

PointerPanel::PointerPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("PointerPanel");
    // Wide enough for a scenery a thousand kilometres across and the finest zoom.
    const QFontMetrics metrics = fontMetrics();
    coordinatesWidth_ =
        metrics.horizontalAdvance(QString::fromStdString(CoordinatesText(-999999.9, -999999.9)));
    gap_ = metrics.horizontalAdvance(QStringLiteral("   "));
    scaleWidth_ = metrics.horizontalAdvance(QString::fromStdString(ScaleText(0.0888)));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize PointerPanel::sizeHint() const {
    return {coordinatesWidth_ + gap_ + scaleWidth_, fontMetrics().height()};
}

QSize PointerPanel::minimumSizeHint() const {
    return {0, fontMetrics().height()};
}

void PointerPanel::Show(double sceneryX, double sceneryZ, double metresPerPixel) {
    SetTexts(QString::fromStdString(CoordinatesText(sceneryX, sceneryZ)),
             QString::fromStdString(ScaleText(metresPerPixel)));
}

void PointerPanel::Clear() {
    SetTexts({}, {});
}

void PointerPanel::SetTexts(QString coordinates, QString scale) {
    if (coordinates == coordinates_ && scale == scale_) return;
    coordinates_ = std::move(coordinates);
    scale_ = std::move(scale);
    update();
}

void PointerPanel::paintEvent(QPaintEvent*) {
    if (coordinates_.isEmpty() && scale_.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int h = height();
    const auto draw = [&](int left, int width, Qt::Alignment align, const QString& text) {
        painter.drawText(QRect(left, 0, width, h), align | Qt::AlignVCenter, text);
    };
    if (width() >= sizeHint().width()) {
        // The coordinates end at one place, so that their digits stay put as they change.
        draw(0, coordinatesWidth_, Qt::AlignRight, coordinates_);
        draw(coordinatesWidth_ + gap_, scaleWidth_, Qt::AlignLeft, scale_);
        return;
    }
    // Squeezed by a narrow window: the coordinates first, and the scale only when it fits.
    const QFontMetrics metrics = fontMetrics();
    const int used = metrics.horizontalAdvance(coordinates_);
    draw(0, width(), Qt::AlignLeft, coordinates_);
    const int scaleLeft = used + gap_;
    if (scaleLeft + metrics.horizontalAdvance(scale_) <= width()) {
        draw(scaleLeft, width() - scaleLeft, Qt::AlignLeft, scale_);
    }
}

}  // namespace tarvik
