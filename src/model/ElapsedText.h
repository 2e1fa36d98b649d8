#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace tarvik {

// A label followed by an elapsed time as minutes without a leading zero, ":", two-digit
// seconds, "." and three-digit milliseconds, e.g. "Rysowanie: 0:02.437".
std::string ElapsedText(std::string_view label, std::chrono::milliseconds elapsed);

// Notes when a long step starts, for the text that reports its time at the end.
class Stopwatch {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // Tests give a clock of their own.
    explicit Stopwatch(Clock clock = [] { return std::chrono::steady_clock::now(); })
        : clock_(std::move(clock)), start_(clock_()) {}

    // The label followed by the time since the start, less the time left out (spent waiting
    // for the user, say).
    std::string ElapsedText(std::string_view label,
                            std::chrono::steady_clock::duration leftOut = {}) const {
        const auto counted = std::max(clock_() - start_ - leftOut, decltype(leftOut){});
        return tarvik::ElapsedText(label,
                                   std::chrono::duration_cast<std::chrono::milliseconds>(counted));
    }

  private:
    Clock clock_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace tarvik
