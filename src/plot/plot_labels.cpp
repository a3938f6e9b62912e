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
  if (value < 1.0) return ThreeDecimal(value);
  return IntegerLabel(TruncateToInt(value));
}

}  // namespace kep
