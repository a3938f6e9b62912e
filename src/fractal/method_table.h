#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "fractal/method_run.h"

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

// One of a method's three parameters as both input forms show it. Every
// parameter a method uses takes values from kMinParameter to kMaxParameter
// (parameter_range.h); an unused one is not checked.
struct ParameterInfo {
  const char* label;
  std::int32_t value;
  bool used = true;
};

// The headings of the result list's two columns; none for a method whose list
// keeps the headings it showed before.
struct AxisHeadings {
  const char* x = nullptr;
  const char* y = nullptr;
};

// How the slope s of ln y against ln x becomes the dimension D, from the scaling
// law that the method's measure follows at scale r:
enum class SlopeRule {
  kTwoMinusSlope,  // an area that grows as r^(2 - D) (the outline dilated by r): D = 2 - s
  kMinusSlope,     // a count that falls as r^(-D) (boxes, corners): D = -s
  kOneMinusSlope,  // a length that falls as r^(1 - D) (a ruler's walk): D = 1 - s
  kSlope,          // a mass that grows as r^D within a radius: D = s
};

double DimensionFromSlope(SlopeRule rule, double slope);

// One fractal-dimension method: its list text, its command-line name, its
// parameters, the headings of its points, its slope rule, the function that
// measures a prepared engine, and how far beyond the outlines it reads.
struct MethodInfo {
  const char* listText;
  const char* cliName;
  std::array<ParameterInfo, 3> parameters;
  AxisHeadings headings;
  SlopeRule rule;
  MethodFunction measure;
  MethodReach reach;
};

// The methods by index; a new method is one file and one row of this table.
extern const std::array<MethodInfo, kMethodCount> kMethods;

// The three parameters' defaults of the method of the index.
std::array<std::int32_t, 3> DefaultParameters(std::uint32_t method);

// The method index for a command-line name or a decimal index "0".."10".
std::optional<int> MethodIndexFromName(std::string_view name);

}  // namespace kep
