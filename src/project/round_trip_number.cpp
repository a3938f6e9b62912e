#include "project/round_trip_number.h"

#include <charconv>

namespace kep {

std::string RoundTripNumber(double value) {
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : std::string();
}

}  // namespace kep
