#pragma once

#include <string>

namespace kep {

// A value with its thousandths truncated, not rounded: 1.5 -> "1.500",
// 2.003 -> "2.003", -0.5 -> "-0.500" (a negative value is a minus sign followed by
// the text of its absolute value). Used for dimensions and plot labels.
std::string ThreeDecimal(double value);

}  // namespace kep
