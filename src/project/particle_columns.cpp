#include "project/particle_columns.h"

#include "project/round_trip_number.h"

namespace kep {

namespace {

template <typename T>
std::string Optional(const std::optional<T>& value) {
  if (!value) return "";
  if constexpr (std::is_floating_point_v<T>) return RoundTripNumber(*value);
  return std::to_string(*value);
}

}  // namespace

ParticleStatistics StatisticsOf(const MeasureResult& result) {
  if (!result.HasDimension()) return {};
  return {result.dimension, result.fit->rSquared, result.fit->stdError,
          result.Ci95Low(), result.Ci95High(),    result.fit->pointCount};
}

std::array<std::string, kParticleColumns.size()> ParticleCells(const ParticleMeasurement& p) {
  const ParticleRegion& r = p.region;
  const ParticleStatistics s = StatisticsOf(p.result);
  const std::string reason =
      p.result.failure ? std::string(FailureCodeName(p.result.failure->code)) : std::string();
  return {std::to_string(p.number),
          std::to_string(r.left),
          std::to_string(r.top),
          std::to_string(r.right),
          std::to_string(r.bottom),
          std::to_string(r.area),
          RoundTripNumber(r.centroidX),
          RoundTripNumber(r.centroidY),
          std::to_string(p.result.outlinePoints),
          Optional(s.dimension),
          reason,
          Optional(s.rSquared),
          Optional(s.stdError),
          Optional(s.ci95Low),
          Optional(s.ci95High),
          Optional(s.fitPoints)};
}

}  // namespace kep
