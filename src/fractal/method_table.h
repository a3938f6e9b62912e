#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kep {

inline constexpr int kMethodCount = 11;

// The method indices, in the order of the method lists.
enum MethodIndex : std::uint32_t {
  kDilationIndex,
  kDistanceMapIndex,
  kBoxCountingIndex,
  kFastIndex,
  kFastHybridIndex,
  kParallelLinesIndex,
  kCumulativeIntersectionIndex,
  kMassRadiusLongIndex,
  kMassRadiusShortIndex,
  kCornerCountIndex,
  kCornerPerimeterIndex,
};

struct ParameterDefault {
  const char* label;
  std::int32_t value;
};

// One fractal-dimension method: its list text, its command-line name, and the
// labels and defaults of its three parameters as both input forms show them.
struct MethodInfo {
  const char* listText;
  const char* cliName;
  std::array<ParameterDefault, 3> parameters;
};

inline constexpr std::array<MethodInfo, kMethodCount> kMethods = {{
    {"Dilation", "dilation", {{{"From Radius :", 1}, {"To Radius :", 20}, {"Step Size :", 1}}}},
    {"Euclidean Distance Map (EDM)", "edm", {{{"To Radius :", 15}, {"Step Size :", 1}, {"Reserved :", 1}}}},
    {"Box-Counting", "box-counting", {{{"From Box Size :", 8}, {"To Box Size :", 30}, {"Step Size :", 1}}}},
    {"Fast", "fast", {{{"From Pixel Interval :", 8}, {"To Pixel Interval :", 30}, {"Step Size :", 1}}}},
    {"Fast (Hybrid)", "fast-hybrid", {{{"From Distance :", 1}, {"To Distance :", 15}, {"Step Size :", 1}}}},
    {"Parallel-Lines", "parallel-lines", {{{"From Interval :", 1}, {"To Interval :", 30}, {"Step Size :", 1}}}},
    {"Cumulative-Intersection", "cumulative-intersection", {{{"From Radius :", 4}, {"To Radius :", 100}, {"Step Size :", 4}}}},
    {"Mass-Radius (Long)", "mass-radius-long", {{{"From Radius :", 1}, {"To Radius :", 20}, {"Step Size :", 1}}}},
    {"Mass-Radius (Short)", "mass-radius-short", {{{"From Radius :", 1}, {"To Radius :", 20}, {"Step Size :", 1}}}},
    {"Corner (Count)", "corner-count", {{{"From Height*10:", 10}, {"To Height*10 :", 80}, {"Step Size*10:", 3}}}},
    {"Corner (Perimeter)", "corner-perimeter", {{{"From Height*10:", 10}, {"To Height*10 :", 80}, {"Step Size*10:", 3}}}},
}};

// The method index for a command-line name or a decimal index "0".."10".
std::optional<int> MethodIndexFromName(std::string_view name);

}  // namespace kep
