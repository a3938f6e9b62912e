#include "fractal/three_decimal.h"

#include <cmath>
#include <cstdio>

namespace kep {

std::string ThreeDecimal(double value) {
  if (std::isnan(value)) return "nan";
  // Appended rather than "-" + text: GCC 12 at -O3 warns wrongly about the latter (-Wrestrict).
  if (value < 0.0) return std::string("-").append(ThreeDecimal(-value));
  if (std::isinf(value)) return "inf";
  const double whole = std::trunc(value) + 0.0;  // -0.0 becomes 0.0
  const int thousandths = static_cast<int>(std::trunc((value - whole) * 1000.0));
  // The whole part is printed from the double itself, so no value overflows an
  // integer type; a finite double has at most 309 integer digits.
  char text[320];
  std::snprintf(text, sizeof text, "%.0f.%03d", whole, thousandths);
  return text;
}

}  // namespace kep
