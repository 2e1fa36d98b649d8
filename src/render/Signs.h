#pragma once

#include <QImage>
#include <map>
#include <utility>

namespace tarvik {

// The transparent colour of the marker bitmap.
inline constexpr QRgb kMarkerTransparent = 0xFF008000;

// The speed-limit sign (a white triangle pointing down) showing number, drawn into an s x s
// marker bitmap that is first filled with the transparent colour.
void MakeSpeedSign(int number, QImage& marker);
// The gradient sign (a white triangle pointing up) showing number and "‰".
void MakeGradientSign(int number, QImage& marker);

// The signs of one drawing: each sign is made once per number and kept with the transparent
// colour turned into transparency, so that drawing it leaves the map under those pixels.
class SignCache {
  public:
    explicit SignCache(int size) : size_(size) {}
    int Size() const { return size_; }
    const QImage& Speed(int number) { return Get(false, number); }
    const QImage& Gradient(int number) { return Get(true, number); }

  private:
    const QImage& Get(bool gradient, int number);

    int size_;
    std::map<std::pair<bool, int>, QImage> signs_;
};

}  // namespace tarvik
