#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

namespace tarvik {

// The transparent colour of the marker bitmap.
inline constexpr QRgb kMarkerTransparent = 0xFF008000;

// The number of a track end's speed sign: its line speed in tens of km/h; none at the default
// 160 km/h.
std::optional<int> SpeedSignNumber(std::uint8_t velocity);
// The number of a gradient sign: the gradient rounded; none below 1 per mille.
std::optional<int> GradientSignNumber(float gradient);

// The speed-limit sign (a white triangle pointing down) showing number, drawn into an s x s
// marker bitmap that is first filled with the transparent colour.
void MakeSpeedSign(int number, QImage& marker);
// The gradient sign (a white triangle pointing up) showing number and "‰".
void MakeGradientSign(int number, QImage& marker);

// The signs of one drawing: each sign is made once per number and kept with the transparent
// colour turned into transparency, so that drawing it leaves the map under those pixels. For a
// vector picture the signs are drawn as their triangles and texts instead.
class SignCache {
  public:
    // antialiased: the signs' edges and numbers smoothed; such a sign keeps transparency of its
    // own instead of a transparent colour, which its smoothed edges would blend with.
    explicit SignCache(int size, bool vector = false, bool antialiased = false)
        : size_(size), vector_(vector), antialiased_(antialiased) {}
    int Size() const { return size_; }
    // The sign showing number with its top-left corner at topLeft.
    void DrawSpeed(QPainter& p, QPoint topLeft, int number);
    void DrawGradient(QPainter& p, QPoint topLeft, int number);
    const QImage& Speed(int number) { return Get(false, number); }
    const QImage& Gradient(int number) { return Get(true, number); }

  private:
    const QImage& Get(bool gradient, int number);

    int size_;
    bool vector_;
    bool antialiased_;
    std::map<std::pair<bool, int>, QImage> signs_;
};

}  // namespace tarvik
