#pragma once

#include <functional>

#include "fractal/fractal_engine.h"
#include "fractal/method_run.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

// Called after each radius with the dilation before and after that step.
using DilationStepView = std::function<void(const ImageBuffer& before, const ImageBuffer& after)>;

// The points of the dilation method, from the engine's outline image, object value
// and parameters (from radius, to radius, step), appended to `points`: the outline
// is dilated by the step again and again (after a first dilation by the from radius
// when that is above 1), and each radius r = from, from + step, ... below the to
// radius gives (r, the number of object pixels, at least 1). A step below 1, which
// would never reach the end, gives no point; so does a scratch image that cannot
// be made.
void MeasureDilation(const FractalEngine& engine, PointSeries& points,
                     const DilationStepView& view = nullptr);

// The dilation method of the method table, and its reach: the largest radius.
void DilationMethod(const FractalEngine& engine, MethodRun& run);
std::int32_t DilationReach(const FractalEngine& engine);

}  // namespace kep
