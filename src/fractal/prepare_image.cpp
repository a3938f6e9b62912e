#include <algorithm>
#include <cstring>
#include <string>

#include "fractal/fractal_engine.h"
#include "preprocess/flood_fill.h"
#include "preprocess/trace_boundary.h"
#include "services/stop_request.h"

namespace kep {

std::optional<Failure> FractalEngine::PrepareImage(const ImageBuffer& image,
                                                   std::uint32_t objectValue,
                                                   std::uint32_t backgroundValue) {
  outlines = {};
  regions = {};
  this->objectValue = objectValue;
  this->backgroundValue = backgroundValue;
  const auto object = static_cast<std::uint8_t>(objectValue);
  const auto background = static_cast<std::uint8_t>(backgroundValue);
  // Erasing a particle with its own value would leave it to be traced again from
  // every one of its pixels.
  if (object == background) {
    return Failure{
        FailureCode::kBadSettings,
        "the particles and the background have the same grey value " + std::to_string(object)};
  }
  if (!sourceImage.CopyFrom(image) || !outlineImage.CopyFrom(image)) {
    return Failure{FailureCode::kOutOfMemory,
                   "not enough memory for the working copies of the image"};
  }

  const std::int32_t width = outlineImage.Width();
  for (std::int32_t y = 0; y < outlineImage.Height(); ++y) {
    StopPoint();
    const std::uint8_t* row = outlineImage.PixelAddress(0, y);
    for (std::int32_t x = 0; x < width; ++x) {
      // Straight to the row's next object pixel: erased particles are not met again.
      const void* next = std::memchr(row + x, object, static_cast<std::size_t>(width - x));
      if (next == nullptr) break;
      x = static_cast<std::int32_t>(static_cast<const std::uint8_t*>(next) - row);
      PointSeries outline;
      TraceBoundary(outlineImage, x, y);
      ChainToPoints(outline);
      outlines.push_back(std::move(outline));
      // The trace follows 8-connected pixels, so the erasing fill must too, or the
      // parts that touch only at a corner would be traced once more each.
      FloodFill8(outlineImage, x, y, background, &regions.emplace_back());
    }
  }
  for (const PointSeries& outline : outlines) {
    for (const SeriesPoint& point : outline) outlineImage.SetPixel(point.x, point.y, object);
  }
  return std::nullopt;
}

void FractalEngine::FindBoundingBox() {
  // An image without object pixels gets an empty box (right < left, bottom < top).
  const std::int32_t width = outlineImage.Width();
  const auto object = static_cast<std::uint8_t>(objectValue);
  left = width;
  top = outlineImage.Height();
  right = -1;
  bottom = -1;
  for (std::int32_t y = 0; y < outlineImage.Height(); ++y) {
    const std::uint8_t* row = outlineImage.PixelAddress(0, y);
    const void* first = std::memchr(row, object, static_cast<std::size_t>(width));
    if (first == nullptr) continue;
    const auto x = static_cast<std::int32_t>(static_cast<const std::uint8_t*>(first) - row);
    left = std::min(left, x);
    top = std::min(top, y);
    bottom = y;
    // Only an object pixel right of the box so far can move its right edge.
    for (std::int32_t r = width - 1; r > right && r >= x; --r) {
      if (row[r] == object) {
        right = r;
        break;
      }
    }
  }
}

}  // namespace kep
