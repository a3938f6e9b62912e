#include "fractal/fractal_engine.h"

#include <optional>

#include "draw/message_sink.h"
#include "fractal/fit_log_log.h"
#include "fractal/method_table.h"
#include "fractal/parameter_range.h"

namespace kep {

namespace {

// At least this many outline points in all are needed before a method runs.
constexpr std::int64_t kMinOutlinePoints = 11;

void RunMethod(FractalEngine& engine, std::uint32_t methodIndex, DrawContext* window) {
  switch (methodIndex) {
    case kDilationIndex: engine.DilationMethod(window); break;
    case kDistanceMapIndex: engine.DistanceMapMethod(window); break;
    case kBoxCountingIndex: engine.BoxCounting(window); break;
    case kFastIndex: engine.FastMethod(window); break;
    case kFastHybridIndex: engine.FastHybridMethod(window); break;
    case kParallelLinesIndex: engine.ParallelLinesMethod(window); break;
    case kCumulativeIntersectionIndex: engine.CumulativeIntersectionMethod(window); break;
    case kMassRadiusLongIndex: engine.MassRadiusLong(window); break;
    case kMassRadiusShortIndex: engine.MassRadiusShort(window); break;
    case kCornerCountIndex: engine.CornerMethod(window, 1); break;
    case kCornerPerimeterIndex: engine.CornerMethod(window, 0); break;
  }
}

double DimensionFromSlope(std::uint32_t methodIndex, double slope) {
  switch (methodIndex) {
    case kDilationIndex:
    case kDistanceMapIndex:
      return 2.0 - slope;
    case kBoxCountingIndex:
    case kCornerCountIndex:
      return -slope;
    case kCumulativeIntersectionIndex:
    case kMassRadiusLongIndex:
    case kMassRadiusShortIndex:
      return slope;
    default:
      return 1.0 - slope;
  }
}

}  // namespace

double FractalEngine::ComputeFD(std::uint32_t methodIndex, const ImageBuffer* image,
                                std::uint32_t objectValue, std::uint32_t backgroundValue,
                                PointSeries* resultSeries, DrawContext* animation) {
  if (image == nullptr || resultSeries == nullptr) return kNoDimension;
  if (!image->IsLoaded()) {
    CurrentMessageSink().ShowMessage(kLoadImageMessage);
    return kNoDimension;
  }
  result = resultSeries;
  result->SetSize(0, -1);

  if (!PrepareImage(image, objectValue, backgroundValue)) return kNoDimension;
  std::int64_t outlinePoints = 0;
  for (const PointSeries& outline : outlines) outlinePoints += outline.Count();
  if (outlinePoints < kMinOutlinePoints) return kNoDimension;
  FindBoundingBox();

  // Checked only now, so that a refused call has still prepared the outline image.
  if (methodIndex >= static_cast<std::uint32_t>(kMethodCount)) return kNoDimension;
  if (!MethodParametersInRange(methodIndex, param1, param2, param3)) return kNoDimension;

  RunMethod(*this, methodIndex, animation);

  const std::optional<LogLogFit> fit = FitPositiveLogLog(*result);
  if (!fit) return kNoDimension;
  return DimensionFromSlope(methodIndex, fit->slope);
}

}  // namespace kep
