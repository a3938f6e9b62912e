#include <algorithm>

#include "fractal/fractal_engine.h"
#include "preprocess/flood_fill.h"
#include "preprocess/trace_boundary.h"

namespace kep {

bool FractalEngine::PrepareImage(const ImageBuffer* image, std::uint32_t objectValue,
                                 std::uint32_t backgroundValue) {
  if (image == nullptr) return false;
  outlines = {};
  this->objectValue = objectValue;
  this->backgroundValue = backgroundValue;
  const auto object = static_cast<std::uint8_t>(objectValue);
  const auto background = static_cast<std::uint8_t>(backgroundValue);
  // Erasing a particle with its own value would leave it to be traced again from
  // every one of its pixels.
  if (object == background) return false;
  if (!sourceImage.CopyFrom(*image) || !outlineImage.CopyFrom(*image)) return false;

  for (std::int32_t y = 0; y < outlineImage.Height(); ++y) {
    for (std::int32_t x = 0; x < outlineImage.Width(); ++x) {
      if (!IsObject(outlineImage.GetPixel(x, y))) continue;
      PointSeries outline;
      TraceBoundary(outlineImage, x, y);
      ChainToPoints(outline);
      outlines.push_back(std::move(outline));
      // The trace follows 8-connected pixels, so the erasing fill must too, or the
      // parts that touch only at a corner would be traced once more each.
      FloodFill8(outlineImage, x, y, background);
    }
  }
  for (const PointSeries& outline : outlines) {
    for (const SeriesPoint& point : outline) outlineImage.SetPixel(point.x, point.y, object);
  }
  return true;
}

void FractalEngine::FindBoundingBox() {
  // An image without object pixels gets an empty box (right < left, bottom < top).
  left = outlineImage.Width();
  top = outlineImage.Height();
  right = -1;
  bottom = -1;
  for (std::int32_t y = 0; y < outlineImage.Height(); ++y) {
    for (std::int32_t x = 0; x < outlineImage.Width(); ++x) {
      if (!IsObject(outlineImage.GetPixel(x, y))) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
}

}  // namespace kep
