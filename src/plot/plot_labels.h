#pragma once

#include <cstdint>
#include <string>

namespace kep {

// "%-d": the integer as it is.
std::string IntegerLabel(std::int32_t value);
// "%-4d": the integer left-aligned in a field of four characters.
std::string FieldLabel(std::int64_t value);
// A log-log axis label: the truncated value, or below 1 (where truncation would
// show 0) the value by the three-decimal rule. Rounding errors of a few units in
// the last place do not truncate a whole number to the one below.
std::string LogAxisLabel(double value);

}  // namespace kep
