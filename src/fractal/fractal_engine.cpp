#include "fractal/fractal_engine.h"

#include <string>

#include "fractal/method_animation.h"
#include "fractal/method_table.h"
#include "fractal/parameter_range.h"

namespace kep {

namespace {

// At least this many outline points in all are needed before a method runs.
constexpr std::int64_t kMinOutlinePoints = 11;

Failure NoImage(const ImageBuffer& image) {
  return {FailureCode::kNoImage,
          "the image has no pixels (" + std::to_string(image.Width()) + " x " +
              std::to_string(image.Height()) + ")",
          kLoadImageMessage};
}

}  // namespace

std::int64_t FractalEngine::OutlinePointCount() const {
  std::int64_t count = 0;
  for (const PointSeries& outline : outlines) count += outline.Count();
  return count;
}

MeasureResult FractalEngine::ComputeFD(std::uint32_t methodIndex, const ImageBuffer& image,
                                       std::uint32_t objectValue, std::uint32_t backgroundValue,
                                       DrawContext* animation) {
  MeasureResult result;
  if (!image.IsLoaded()) {
    result.failure = NoImage(image);
    return result;
  }
  result.failure = PrepareImage(image, objectValue, backgroundValue);
  if (result.failure) return result;
  return MeasurePrepared(methodIndex, animation);
}

MeasureResult FractalEngine::MeasurePrepared(std::uint32_t methodIndex, DrawContext* animation) {
  MeasureResult result;
  result.particles = outlines.size();
  result.outlinePoints = OutlinePointCount();
  if (outlines.empty()) {
    result.failure = {
        FailureCode::kNoParticles,
        "no particle of grey value " + std::to_string(objectValue & 0xFF) + " in the image"};
    return result;
  }
  if (result.outlinePoints < kMinOutlinePoints) {
    result.failure = {FailureCode::kTooFewOutlinePoints,
                      "the particles' outlines have " + std::to_string(result.outlinePoints) +
                          " points in all; a method needs at least " +
                          std::to_string(kMinOutlinePoints)};
    return result;
  }
  FindBoundingBox();

  // Checked only now, so that a refused call has still prepared the outline image.
  if (methodIndex >= static_cast<std::uint32_t>(kMethodCount)) {
    result.failure = {FailureCode::kBadSettings, "there is no method " +
                                                     std::to_string(methodIndex) + " (0 to " +
                                                     std::to_string(kMethodCount - 1) + ")"};
    return result;
  }
  result.failure = CheckMethodParameters(methodIndex, {param1, param2, param3});
  if (result.failure) return result;
  if (gridOffsets < 1 || gridOffsets > kMaxGridOffsets) {
    result.failure = {FailureCode::kBadSettings, "grid offsets " + std::to_string(gridOffsets) +
                                                     " is outside 1 to " +
                                                     std::to_string(kMaxGridOffsets)};
    return result;
  }

  const MethodInfo& method = kMethods[methodIndex];
  std::optional<MethodAnimation> drawing;
  if (animation != nullptr) {
    drawing.emplace(*animation, outlineImage, static_cast<std::uint8_t>(objectValue));
  }
  MethodRun run{result.points, drawing ? &*drawing : nullptr, std::nullopt};
  method.measure(*this, run);
  if (run.picture) outlineImage = std::move(*run.picture);

  for (const double slope : LocalSlopes(result.points, fitRange)) {
    result.localDimensions.push_back(DimensionFromSlope(method.rule, slope));
  }
  Outcome<LogLogFit> fit = FitLogLog(result.points, fitRange);
  if (!fit.Ok()) {
    result.failure = fit.Error();
    return result;
  }
  result.fit = fit.Value();
  result.dimension = DimensionFromSlope(method.rule, fit.Value().slope);
  return result;
}

}  // namespace kep
