#pragma once

#include <cstdint>

namespace kep {

// The range of every method parameter. Below 1 some radius loops never end or
// take the logarithm of 0; far above, a run lasts for hours or overflows.
inline constexpr std::int32_t kMinParameter = 1;
inline constexpr std::int32_t kMaxParameter = 10000;

// Whether every parameter that the method of the index uses lies in the range
// (the distance-map method does not use its third).
bool MethodParametersInRange(std::uint32_t methodIndex, std::int32_t param1, std::int32_t param2,
                             std::int32_t param3);

}  // namespace kep
