#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace kep {

// The smallest and largest finite sample of a picture; none taken yet while
// min > max.
template <typename T>
struct SampleRange {
  T min = std::numeric_limits<T>::max();
  T max = std::numeric_limits<T>::lowest();

  void Take(T value) {
    if constexpr (std::is_floating_point_v<T>) {
      if (!std::isfinite(value)) return;
    }
    if (value < min) min = value;
    if (value > max) max = value;
  }
};

// Deep samples (wider than 8 bits, or floating point) onto the grey levels
// 0..255, stretched from the picture's smallest to its largest finite sample and
// truncated. Below the range and not a number give 0, above it (an infinity) 255;
// a picture of one value, or of no finite value, is all 0.
struct Stretch {
  double min = 0.0;
  double range = 0.0;

  template <typename T>
  static Stretch Over(const SampleRange<T>& samples) {
    if (samples.min > samples.max) return {};
    return {static_cast<double>(samples.min),
            static_cast<double>(samples.max) - static_cast<double>(samples.min)};
  }

  template <typename T>
  std::uint8_t operator()(T value) const {
    if (range == 0.0) return 0;
    const double level = (static_cast<double>(value) - min) * 255.0 / range;
    if (!(level > 0.0)) return 0;  // below the range, or not a number
    return level >= 255.0 ? 255 : static_cast<std::uint8_t>(level);
  }
};

}  // namespace kep
