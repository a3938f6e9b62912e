#pragma once

#include <string>

namespace kep {

// The shortest text that reads back as the same double ("1.5", "0.1",
// "1.5085849473275162"), as kep-cli writes the numbers of its tables.
std::string RoundTripNumber(double value);

}  // namespace kep
