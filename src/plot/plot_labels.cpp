#include "plot/plot_labels.h"

#include <cstdio>

#include "fractal/three_decimal.h"
#include "plot/plot_geometry.h"

namespace kep {

std::string IntegerLabel(std::int32_t value) { return std::to_string(value); }

std::string FieldLabel(std::int64_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "%-4lld", static_cast<long long>(value));
  return text;
}

std::string LogAxisLabel(double value) {
  // The callers pass their ranges as exponentials of logarithms, and the axes take
  // logarithms and exponentials again, which can leave a whole number a hair below
  // itself (8 comes back as 7.999999999999998). A relative nudge far smaller than
  // one pixel's worth of the axis keeps the label of a data value that value.
  const double nudged = value * (1.0 + 1e-12);
  if (nudged < 1.0) return ThreeDecimal(nudged);
  return IntegerLabel(TruncateToInt(nudged));
}

}  // namespace kep
