#pragma once

#include <cstdint>
#include <functional>

#include "services/stop_request.h"

namespace kep {

// The series of scales (ruler, line separation, radius) a method measures at:
// from, from + step, ... while below `to`, taken from the method's three parameters.
struct ScaleRange {
  std::int32_t from = 0;
  std::int32_t to = 0;
  std::int32_t step = 0;
};

// Called after each scale has been measured; the animations hang on it.
using ScaleHook = std::function<void(std::int32_t scale)>;

// Visits every scale of the range in rising order. A start or a step below 1 gives
// no scale at all: such a series either never ends or has no logarithm. The sum is
// formed in 64 bits so that a range reaching the top of the 32-bit integers ends.
template <typename Visit>
void ForEachScale(const ScaleRange& range, Visit visit) {
  if (range.from < 1 || range.step < 1) return;
  for (std::int64_t scale = range.from; scale < range.to; scale += range.step) {
    StopPoint();
    visit(static_cast<std::int32_t>(scale));
  }
}

}  // namespace kep
