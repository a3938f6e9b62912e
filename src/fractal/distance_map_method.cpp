#include "fractal/distance_map_method.h"

#include <algorithm>
#include <limits>

namespace kep {

std::uint8_t DistanceLabel(std::uint8_t objectValue, std::int64_t radius) {
  return static_cast<std::uint8_t>(objectValue == 255 ? 255 - radius : radius);
}

bool MeasureDistanceMap(const FractalEngine& engine, PointSeries& points, ImageBuffer& distanceMap,
                        const DistanceStepView& view) {
  const ImageBuffer& outline = engine.outlineImage;
  const auto object = static_cast<std::uint8_t>(engine.objectValue);
  const auto background = static_cast<std::uint8_t>(engine.backgroundValue);
  ImageBuffer dilated;
  // Which pixels have been counted, kept apart from the labels, which wrap and may
  // then equal the background. The outline's own pixels count as reached from the
  // start: they are never counted, even where a dilation clears the image's frame.
  ImageBuffer reached;
  if (!dilated.CopyFrom(outline) || !distanceMap.CopyFrom(outline) || !reached.CopyFrom(outline)) {
    return false;
  }
  std::fill_n(distanceMap.Data(), distanceMap.ByteCount(), background);
  for (std::int32_t y = 0; y < outline.Height(); ++y) {
    for (std::int32_t x = 0; x < outline.Width(); ++x) {
      reached.SetPixel(x, y, outline.GetPixel(x, y) == object ? 1 : 0);
    }
  }

  const std::int32_t step = engine.param2;
  if (step < 1) return true;
  std::int64_t total = 0;
  PointSeries firstReached;
  for (std::int64_t r = 1; r < engine.param1; r += step) {
    dilated.Dilate(object, static_cast<std::int32_t>(r), outline);
    firstReached.SetSize(0);
    for (std::int32_t x = 0; x < outline.Width(); ++x) {
      for (std::int32_t y = 0; y < outline.Height(); ++y) {
        if (dilated.GetPixel(x, y) != object || reached.GetPixel(x, y) != 0) continue;
        reached.SetPixel(x, y, 1);
        distanceMap.SetPixel(x, y, DistanceLabel(object, r));
        ++total;
        if (view) firstReached.Append(x, y);
      }
    }
    points.Append(static_cast<std::int32_t>(r),
                  static_cast<std::int32_t>(std::min<std::int64_t>(
                      total, std::numeric_limits<std::int32_t>::max())));
    if (view) view(static_cast<std::int32_t>(r), firstReached);
  }
  return true;
}

void FractalEngine::DistanceMapMethod(DrawContext* window) {
  if (outlines.empty()) return;
  if (objectValue != 0 && objectValue != 255) return;
  if (backgroundValue != 255 - objectValue) return;
  DistanceStepView view;
  if (window != nullptr) {
    BeginAnimation(window);
    // Each radius in its own shade of red, dark to bright outward from dark
    // outlines and bright to dark outward from bright ones.
    view = [this, window](std::int32_t radius, const PointSeries& reached) {
      const auto ramp = static_cast<std::int32_t>(255 * static_cast<std::int64_t>(radius) / param1);
      const auto shade = static_cast<std::uint8_t>(objectValue == 255 ? 255 - ramp : ramp);
      for (const SeriesPoint& pixel : reached) {
        window->SetPixel(ToWindowX(pixel.x), ToWindowY(pixel.y), Rgb{shade, 0, 0});
      }
      window->Flush();
    };
  }
  ImageBuffer distanceMap;
  const bool made = MeasureDistanceMap(*this, *result, distanceMap, view);
  EndAnimation();
  if (made) outlineImage.CopyPixelsFrom(distanceMap);
}

}  // namespace kep
