#pragma once

#include <cstdint>
#include <vector>

#include "fractal/method_run.h"
#include "fractal/outline_path.h"
#include "fractal/scale_range.h"
#include "image/point_series.h"

namespace kep {

// The fast method measures only when some outline has at least this many pixels.
inline constexpr std::int32_t kFastMinimumOutline = 6;

bool HasFastOutline(const std::vector<PointSeries>& outlines);

// The pixels the fast method samples on one outline: every interval-th pixel,
// starting with the first.
OutlinePath SampledPath(const PointSeries& outline, std::int32_t interval);

// The hybrid walk along one outline: the first pixel, then each pixel whose
// straight distance from the last pixel taken is at least `distance`.
OutlinePath HybridPath(const PointSeries& outline, std::int32_t distance);

// (interval, length of all sampled paths closed back to their first pixel, at
// least 1) for each interval of the range; nothing unless HasFastOutline.
PointSeries FastPoints(const std::vector<PointSeries>& outlines, const ScaleRange& range,
                       const ScaleHook& afterEach = {});

// (distance, length of all hybrid paths closed back to their first pixel) for each
// distance of the range; a length below 1 stays 0.
PointSeries FastHybridPoints(const std::vector<PointSeries>& outlines, const ScaleRange& range,
                             const ScaleHook& afterEach = {});

// The fast and hybrid methods of the method table.
void FastMethod(const FractalEngine& engine, MethodRun& run);
void FastHybridMethod(const FractalEngine& engine, MethodRun& run);

}  // namespace kep
