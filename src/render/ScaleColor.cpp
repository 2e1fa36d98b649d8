#include "ScaleColor.h"

#include <cmath>

namespace tarvik {
namespace {

unsigned MixByte(unsigned a, unsigned b, long l) {
    const double mixed = ((255.0 - l) * a + static_cast<double>(l) * b) * 0.00392156862745098;
    return static_cast<unsigned>(std::nearbyint(mixed));
}

TColor Mix(TColor low, TColor high, double weight) {
    // Out of range (a value beyond the scale, or a range too narrow for single floats).
    if (!(weight >= 0)) weight = 0;
    if (weight > 255) weight = 255;
    const long l = std::lrint(weight);
    return RGBColor(MixByte(RedOf(low), RedOf(high), l), MixByte(GreenOf(low), GreenOf(high), l),
                    MixByte(BlueOf(low), BlueOf(high), l));
}

}  // namespace

TColor ScaleColor(const ColorScale& scale, float max, float min, float value, TColor trackColor) {
    if (max - min == 0) return trackColor;
    const auto step = static_cast<float>((static_cast<double>(max) - min) * 0.3333333333333);
    const auto b1 = static_cast<float>(static_cast<double>(min) + step);
    const auto b2 = static_cast<float>(static_cast<double>(min) + 2.0 * step);
    if (value == min) return scale[0];
    if (value == b1) return scale[1];
    if (value == b2) return scale[2];
    if (value == max) return scale[3];
    const double v = value;
    if (value < b1)
        return Mix(scale[0], scale[1], (v - min) * 255 / (static_cast<double>(b1) - min));
    if (value > b2)
        return Mix(scale[2], scale[3], (v - b2) * 255 / (static_cast<double>(max) - b2));
    return Mix(scale[1], scale[2], (v - b1) * 255 / (static_cast<double>(b2) - b1));
}

}  // namespace tarvik
