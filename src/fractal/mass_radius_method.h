#pragma once

#include <cstdint>
#include <vector>

#include "fractal/method_run.h"
#include "fractal/scale_range.h"
#include "image/point_series.h"

namespace kep {

// Which pixels of an outline serve as centres: all of them (the Long form) or
// those at positions 0, 5, 10, ... of the outline order (the Short form).
enum class MassRadiusForm { kLong, kShort };

inline constexpr std::int32_t kShortCentreSpacing = 5;

// What the pair count is divided by: the total pixel count of the Long form, or
// for the Short form the sum over the outlines of (pixel count div 5) + 1, which
// exceeds the number of centres by one for an outline whose count is a multiple of 5.
std::uint64_t MassDivisor(const std::vector<PointSeries>& outlines, MassRadiusForm form);

// The centres of the Short form, all outlines in order.
PointSeries ShortFormCentres(const std::vector<PointSeries>& outlines);

// (radius, pairs within the radius over all outlines ÷ divisor, truncated) for each
// radius of the range; nothing when the divisor is 0. A pair is a centre and a
// pixel of the same outline, the centre paired with itself included. Each pair
// is counted once, under the first radius whose disc holds it, and the counts are
// added up radius by radius.

PointSeries MassRadiusPoints(const std::vector<PointSeries>& outlines, MassRadiusForm form,
                             const ScaleRange& range, const ScaleHook& afterEach = {});

// The two mass-radius methods of the method table.
void MassRadiusLong(const FractalEngine& engine, MethodRun& run);
void MassRadiusShort(const FractalEngine& engine, MethodRun& run);

}  // namespace kep
