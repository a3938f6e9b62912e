#include "image/grey.h"

#include <algorithm>

namespace kep {

std::uint8_t GreyFromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  const int grey =
      (kGreyWeightRed * red + kGreyWeightGreen * green + kGreyWeightBlue * blue) / kGreyDivisor;
  return static_cast<std::uint8_t>(std::clamp(grey, 0, 255));
}

}  // namespace kep
