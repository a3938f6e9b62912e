#pragma once

#include <cstdint>

namespace kep {

// The system's fixed grey weights: grey = (18 red + 81 green + 1 blue) / 100.
inline constexpr int kGreyWeightRed = 18;
inline constexpr int kGreyWeightGreen = 81;
inline constexpr int kGreyWeightBlue = 1;
inline constexpr int kGreyDivisor = 100;

// The grey level of a colour, by the weights above with truncating division,
// clamped to 0..255. Both image readers convert colour pixels with it.
std::uint8_t GreyFromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

}  // namespace kep
