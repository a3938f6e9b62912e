#include "fractal/method_table.h"

#include <string>

#include "fractal/box_counting.h"
#include "fractal/corner_method.h"
#include "fractal/cumulative_intersection_method.h"
#include "fractal/dilation_method.h"
#include "fractal/distance_map_method.h"
#include "fractal/fast_method.h"
#include "fractal/mass_radius_method.h"
#include "fractal/parallel_lines_method.h"

namespace kep {

namespace {

constexpr AxisHeadings kRadiusMass{"Radius", "Mass"};
constexpr AxisHeadings kStepPerimeter{"Step Length", "Perimeter"};
constexpr std::array<ParameterInfo, 3> kRadii{
    {{"From Radius :", 1}, {"To Radius :", 20}, {"Step Size :", 1}}};
constexpr std::array<ParameterInfo, 3> kHeights{
    {{"From Height*10:", 10}, {"To Height*10 :", 80}, {"Step Size*10:", 3}}};

}  // namespace

constexpr std::array<MethodInfo, kMethodCount> kMethods = {{
    {"Dilation",
     "dilation",
     kRadii,
     {"Length", "Dilated Perimeter"},
     SlopeRule::kTwoMinusSlope,
     DilationMethod,
     DilationReach},
    {"Euclidean Distance Map (EDM)",
     "edm",
     {{{"To Radius :", 15}, {"Step Size :", 1}, {"Reserved :", 1, false}}},
     {"Length", "Thresholded Perimeter"},
     SlopeRule::kTwoMinusSlope,
     DistanceMapMethod,
     DistanceMapReach},
    {"Box-Counting",
     "box-counting",
     {{{"From Box Size :", 8}, {"To Box Size :", 30}, {"Step Size :", 1}}},
     {"Box Size", "Box Count"},
     SlopeRule::kMinusSlope,
     BoxCounting,
     OutlinesOnly},
    {"Fast",
     "fast",
     {{{"From Pixel Interval :", 8}, {"To Pixel Interval :", 30}, {"Step Size :", 1}}},
     kStepPerimeter,
     SlopeRule::kOneMinusSlope,
     FastMethod,
     OutlinesOnly},
    {"Fast (Hybrid)",
     "fast-hybrid",
     {{{"From Distance :", 1}, {"To Distance :", 15}, {"Step Size :", 1}}},
     kStepPerimeter,
     SlopeRule::kOneMinusSlope,
     FastHybridMethod,
     OutlinesOnly},
    {"Parallel-Lines",
     "parallel-lines",
     {{{"From Interval :", 1}, {"To Interval :", 30}, {"Step Size :", 1}}},
     {"Line Separation", "Perimeter"},
     SlopeRule::kOneMinusSlope,
     ParallelLinesMethod,
     OutlinesOnly},
    {"Cumulative-Intersection",
     "cumulative-intersection",
     {{{"From Radius :", 4}, {"To Radius :", 100}, {"Step Size :", 4}}},
     kRadiusMass,
     SlopeRule::kSlope,
     CumulativeIntersectionMethod,
     OutlinesOnly},
    {"Mass-Radius (Long)", "mass-radius-long", kRadii, kRadiusMass, SlopeRule::kSlope,
     MassRadiusLong, OutlinesOnly},
    {"Mass-Radius (Short)", "mass-radius-short", kRadii, kRadiusMass, SlopeRule::kSlope,
     MassRadiusShort, OutlinesOnly},
    {"Corner (Count)",
     "corner-count",
     kHeights,
     {},
     SlopeRule::kMinusSlope,
     CornerCountMethod,
     OutlinesOnly},
    {"Corner (Perimeter)",
     "corner-perimeter",
     kHeights,
     {},
     SlopeRule::kOneMinusSlope,
     CornerPerimeterMethod,
     OutlinesOnly},
}};

double DimensionFromSlope(SlopeRule rule, double slope) {
  switch (rule) {
    case SlopeRule::kTwoMinusSlope:
      return 2.0 - slope;
    case SlopeRule::kMinusSlope:
      return -slope;
    case SlopeRule::kOneMinusSlope:
      return 1.0 - slope;
    case SlopeRule::kSlope:
      return slope;
  }
  return slope;
}

std::array<std::int32_t, 3> DefaultParameters(std::uint32_t method) {
  const std::array<ParameterInfo, 3>& parameters = kMethods[method].parameters;
  return {parameters[0].value, parameters[1].value, parameters[2].value};
}

std::optional<int> MethodIndexFromName(std::string_view name) {
  for (int i = 0; i < kMethodCount; ++i) {
    if (name == kMethods[i].cliName || name == std::to_string(i)) return i;
  }
  return std::nullopt;
}

}  // namespace kep
