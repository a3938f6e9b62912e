#include "fractal/dilation_method.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kep {

void MeasureDilation(const FractalEngine& engine, PointSeries& points, const DilationStepView& view) {
  const auto object = static_cast<std::uint8_t>(engine.objectValue);
  const std::int32_t step = engine.param3;
  if (step < 1) return;
  ImageBuffer current;
  ImageBuffer previous;
  if (!current.CopyFrom(engine.outlineImage) || !previous.CopyFrom(engine.outlineImage)) return;

  if (engine.param1 > 1) previous.Dilate(object, engine.param1, current);
  for (std::int64_t r = engine.param1; r < engine.param2; r += step) {
    // The dilations accumulate: each point grows the previous one by the step.
    current.Dilate(object, step, previous);
    ImageBuffer::Histogram histogram;
    current.ComputeHistogram(histogram);
    const std::uint32_t area = std::clamp<std::uint32_t>(
        histogram[object], 1, std::numeric_limits<std::int32_t>::max());
    points.Append(static_cast<std::int32_t>(r), static_cast<std::int32_t>(area));
    if (view) view(previous, current);
    std::swap(current, previous);
  }
}

void FractalEngine::DilationMethod(DrawContext* window) {
  if (outlines.empty()) return;
  if (objectValue != 0 && objectValue != 255) return;
  DilationStepView view;
  if (window != nullptr) {
    BeginAnimation(window);
    // The pixels that the step added are painted red.
    view = [this, window](const ImageBuffer& before, const ImageBuffer& after) {
      for (std::int32_t x = 0; x < after.Width(); ++x) {
        for (std::int32_t y = 0; y < after.Height(); ++y) {
          if (before.GetPixel(x, y) != after.GetPixel(x, y)) {
            window->SetPixel(ToWindowX(x), ToWindowY(y), kRed);
          }
        }
      }
      window->Flush();
    };
  }
  MeasureDilation(*this, *result, view);
  EndAnimation();
}

}  // namespace kep
