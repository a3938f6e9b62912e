#include "fractal/mass_radius_method.h"

#include "fractal/append_points.h"
#include "fractal/fractal_engine.h"
#include "fractal/outline_path.h"
#include "fractal/ring_animation.h"

namespace kep {

namespace {

std::int32_t CentreSpacing(MassRadiusForm form) {
  return form == MassRadiusForm::kShort ? kShortCentreSpacing : 1;
}

}  // namespace

std::uint64_t PairsWithinRadius(const PointSeries& outline, std::int32_t radius, MassRadiusForm form) {
  std::uint64_t pairs = 0;
  const std::int32_t n = outline.Count();
  for (std::int64_t i = 0; i < n; i += CentreSpacing(form)) {
    const SeriesPoint& centre = outline[static_cast<std::int32_t>(i)];
    for (std::int32_t j = 0; j < n; ++j) {
      if (IsWithinRadius(centre.x, centre.y, radius, outline[j].x, outline[j].y)) ++pairs;
    }
  }
  return pairs;
}

std::uint64_t MassDivisor(const std::vector<PointSeries>& outlines, MassRadiusForm form) {
  std::uint64_t divisor = 0;
  for (const PointSeries& outline : outlines) {
    const auto n = static_cast<std::uint64_t>(outline.Count());
    divisor += form == MassRadiusForm::kShort ? n / kShortCentreSpacing + 1 : n;
  }
  return divisor;
}

PointSeries ShortFormCentres(const std::vector<PointSeries>& outlines) {
  PointSeries centres;
  for (const PointSeries& outline : outlines) {
    for (std::int64_t i = 0; i < outline.Count(); i += kShortCentreSpacing) {
      centres.Append(outline[static_cast<std::int32_t>(i)]);
    }
  }
  return centres;
}

PointSeries MassRadiusPoints(const std::vector<PointSeries>& outlines, MassRadiusForm form,
                             const ScaleRange& range, const ScaleHook& afterEach) {
  PointSeries points;
  const std::uint64_t divisor = MassDivisor(outlines, form);
  if (divisor == 0) return points;
  ForEachScale(range, [&](std::int32_t radius) {
    std::uint64_t pairs = 0;
    for (const PointSeries& outline : outlines) pairs += PairsWithinRadius(outline, radius, form);
    // Each outline pairs at most its pixel count per centre, so the mass is at
    // most the longest outline's pixel count and fits in 32 bits.
    points.Append(radius, ClampToInt32(static_cast<std::int64_t>(pairs / divisor)));
    if (afterEach) afterEach(radius);
  });
  return points;
}

void FractalEngine::MassRadiusLong(DrawContext* window) {
  if (outlines.empty()) return;
  RingAnimation rings(*this);
  if (window && !rings.Start(window, outlineImage)) return;
  AppendPoints(*result, MassRadiusPoints(outlines, MassRadiusForm::kLong, {param1, param2, param3}, rings.GrowHook()));
}

void FractalEngine::MassRadiusShort(DrawContext* window) {
  if (outlines.empty()) return;
  RingAnimation rings(*this);
  if (window && !rings.StartFromPoints(window, ShortFormCentres(outlines))) return;
  AppendPoints(*result, MassRadiusPoints(outlines, MassRadiusForm::kShort, {param1, param2, param3}, rings.GrowHook()));
}

}  // namespace kep
