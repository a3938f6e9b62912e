#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "fractal/measure_result.h"

namespace kep {

// The columns of a particle table, as kep-cli particles writes them and the
// windows show them.
inline constexpr std::array<const char*, 16> kParticleColumns = {
    "particle",   "left",           "top",       "right",  "bottom",    "area",      "centroid_x",
    "centroid_y", "outline_points", "dimension", "reason", "r_squared", "std_error", "ci95_low",
    "ci95_high",  "fit_points"};

// What a particle's fit says, set only when the particle has a dimension.
struct ParticleStatistics {
  std::optional<double> dimension;
  std::optional<double> rSquared;
  std::optional<double> stdError;
  std::optional<double> ci95Low;
  std::optional<double> ci95High;
  std::optional<std::int32_t> fitPoints;
};
ParticleStatistics StatisticsOf(const MeasureResult& result);

// A particle's cells under those columns: numbers as the shortest text that
// reads back as the same value, the cells of a particle without a dimension
// empty but for its reason's code.
std::array<std::string, kParticleColumns.size()> ParticleCells(const ParticleMeasurement& particle);

}  // namespace kep
