#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "failure/failure.h"

namespace kep {

// The range of every method parameter. Below 1 some radius loops never end or
// take the logarithm of 0; far above, a run lasts for hours or overflows.
inline constexpr std::int32_t kMinParameter = 1;
inline constexpr std::int32_t kMaxParameter = 10000;

// A parameter's label as a name in a sentence: "To Radius :" -> "To Radius".
std::string ParameterName(const char* label);

// parameter-out-of-range for the first parameter that the method of the index
// uses and that lies outside the range; nothing when all lie within it.
std::optional<Failure> CheckMethodParameters(std::uint32_t methodIndex,
                                             const std::array<std::int32_t, 3>& params);

}  // namespace kep
