#pragma once

#include <array>
#include <cstdint>

namespace kep {

// The eight neighbour directions, counter-clockwise on the screen starting east,
// with y growing downwards: 0 east, 1 north-east, 2 north, 3 north-west, 4 west,
// 5 south-west, 6 south, 7 south-east.
struct DirectionStep {
  std::int32_t dx;
  std::int32_t dy;
};

inline constexpr std::array<DirectionStep, 8> kDirectionSteps = {{
    {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1},
}};

}  // namespace kep
