#include "fractal/dilation_method.h"

#include <algorithm>
#include <limits>
#include <span>
#include <vector>

#include "fractal/method_animation.h"
#include "fractal/parameter_range.h"
#include "preprocess/dilate.h"
#include "preprocess/disc_centre_distance.h"
#include "preprocess/disc_table.h"
#include "services/stop_request.h"

namespace kep {

namespace {

using Pixels = std::vector<SeriesPoint>;

// The first steps of a large picture grow from millions of pixels: a stop point
// after every so many keeps a request to stop from waiting for a whole step.
constexpr std::size_t kPixelsBetweenStops = 1 << 16;

void StopPointEvery(std::size_t index) {
  if (index % kPixelsBetweenStops == 0) StopPoint();
}

Pixels ObjectPixels(const ImageBuffer& image, std::uint8_t object) {
  Pixels pixels;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    StopPoint();
    const std::uint8_t* row = image.PixelAddress(0, y);
    for (std::int32_t x = 0; x < image.Width(); ++x) {
      if (row[x] == object) pixels.push_back({x, y});
    }
  }
  return pixels;
}

// Makes the pixel object unless it is already; returns whether it was added.
bool Add(ImageBuffer& image, std::int32_t x, std::int32_t y, std::uint8_t object, Pixels& added) {
  std::uint8_t& pixel = *image.PixelAddress(x, y);
  if (pixel == object) return false;
  pixel = object;
  added.push_back({x, y});
  return true;
}

// One dilation by the cross (radius 1), grown only from the pixels that the step
// before added (from every object pixel at first): their straight neighbours off
// row 0 and column 0 become object, and row 0 and column 0 take the frame value,
// as Dilate leaves them.
Pixels GrowCross(ImageBuffer& image, std::uint8_t object, const Pixels& frontier,
                 std::int64_t& count) {
  constexpr SeriesPoint kStraight[] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
  Pixels added;
  for (std::size_t i = 0; i < frontier.size(); ++i) {
    StopPointEvery(i);
    const SeriesPoint& pixel = frontier[i];
    for (const SeriesPoint& d : kStraight) {
      const std::int32_t x = pixel.x + d.x;
      const std::int32_t y = pixel.y + d.y;
      if (x >= 1 && y >= 1 && image.Contains(x, y)) count += Add(image, x, y, object, added);
    }
  }
  const auto frame = static_cast<std::uint8_t>(object == 0 ? 255 : 0);
  const auto clear = [&](std::int32_t x, std::int32_t y) {
    std::uint8_t& pixel = *image.PixelAddress(x, y);
    count -= pixel == object;
    pixel = frame;
  };
  for (std::int32_t x = 0; x < image.Width(); ++x) clear(x, 0);
  for (std::int32_t y = 1; y < image.Height(); ++y) clear(0, y);
  return added;
}

// One dilation by the disc of the radius (2 or more), painted only around the
// disc centres among the pixels that the step before added (among every object
// pixel at first): any other centre was one before and has its disc already.
Pixels GrowDiscs(ImageBuffer& image, std::uint8_t object, std::int32_t radius,
                 const Pixels& frontier, std::int64_t& count) {
  const std::int32_t width = image.Width();
  const std::int32_t height = image.Height();
  Pixels centres;
  for (std::size_t i = 0; i < frontier.size(); ++i) {
    StopPointEvery(i);
    const SeriesPoint& pixel = frontier[i];
    if (pixel.x < 1 || pixel.y < 1 || pixel.x > width - 2 || pixel.y > height - 2) continue;
    if (IsDiscCentre(image.PixelAddress(0, pixel.y - 1), image.PixelAddress(0, pixel.y),
                     image.PixelAddress(0, pixel.y + 1), pixel.x, object)) {
      centres.push_back(pixel);
    }
  }
  const std::vector<std::int32_t> halfWidths = DiscHalfWidths(radius, height);
  const auto reach = static_cast<std::int32_t>(halfWidths.size()) - 1;
  Pixels added;
  for (std::size_t i = 0; i < centres.size(); ++i) {
    StopPointEvery(i);
    const SeriesPoint& centre = centres[i];
    for (std::int32_t dy = std::max(-reach, -centre.y);
         dy <= std::min(reach, height - 1 - centre.y); ++dy) {
      const std::int64_t w = halfWidths[static_cast<std::size_t>(dy < 0 ? -dy : dy)];
      const auto left = static_cast<std::int32_t>(std::max<std::int64_t>(0, centre.x - w));
      const auto right = static_cast<std::int32_t>(std::min<std::int64_t>(width - 1, centre.x + w));
      for (std::int32_t x = left; x <= right; ++x) {
        count += Add(image, x, centre.y + dy, object, added);
      }
    }
  }
  return added;
}

// Discs wider than this grow by the distance transform of the whole image:
// painting them around each new centre costs the square of the radius per centre.
constexpr std::int32_t kLargestPaintedRadius = 16;

// One dilation of `source` by the disc of the radius (2 or more) into `image`, a
// copy of it: every pixel within the radius of a disc centre of `source` becomes
// object. Returns the number of pixels it made object.
std::int64_t GrowWideDisc(ImageBuffer& image, const ImageBuffer& source, std::uint8_t object,
                          std::int32_t radius) {
  std::int64_t added = 0;
  ForEachDiscCentreDistanceRow(source, object, radius,
                               [&](std::int32_t y, std::span<const NearestCentreRun> runs) {
                                 std::uint8_t* row = image.PixelAddress(0, y);
                                 for (const NearestCentreRun& run : runs) {
                                   for (std::int32_t x = run.from; x <= run.to; ++x) {
                                     added += row[x] != object;
                                     row[x] = object;
                                   }
                                 }
                               });
  return added;
}

std::int64_t CountObject(const ImageBuffer& image, std::uint8_t object) {
  ImageBuffer::Histogram histogram;
  image.ComputeHistogram(histogram);
  return histogram[object];
}

}  // namespace

// Each step grows the object only from the pixels the step before added (the
// steps of a wide disc from a copy of the image before the step), and keeps the
// object pixel count up to date, instead of dilating and counting the whole image
// again.
void MeasureDilation(const FractalEngine& engine, PointSeries& points,
                     const DilationStepView& view) {
  const auto object = static_cast<std::uint8_t>(engine.objectValue);
  const std::int32_t step = engine.param3;
  if (step < 1) return;
  ImageBuffer grown;
  ImageBuffer before;
  if (!grown.CopyFrom(engine.outlineImage) || (view && !before.CopyFrom(grown))) return;

  if (engine.param1 > kLargestPaintedRadius) {
    GrowWideDisc(grown, engine.outlineImage, object, engine.param1);
  } else if (engine.param1 > 1) {
    Dilate(grown, object, engine.param1, engine.outlineImage);
  }
  const bool painted = step <= kLargestPaintedRadius;
  ImageBuffer snapshot;
  if (!painted && !snapshot.CopyFrom(grown)) return;
  Pixels frontier = painted ? ObjectPixels(grown, object) : Pixels{};
  std::int64_t count =
      painted ? static_cast<std::int64_t>(frontier.size()) : CountObject(grown, object);
  for (std::int64_t r = engine.param1; r < engine.param2; r += step) {
    StopPoint();
    if (view) before.CopyPixelsFrom(grown);
    if (step == 1) {
      frontier = GrowCross(grown, object, frontier, count);
    } else if (painted) {
      frontier = GrowDiscs(grown, object, step, frontier, count);
    } else {
      snapshot.CopyPixelsFrom(grown);
      count += GrowWideDisc(grown, snapshot, object, step);
    }
    const std::int64_t area =
        std::clamp<std::int64_t>(count, 1, std::numeric_limits<std::int32_t>::max());
    points.Append(static_cast<std::int32_t>(r), static_cast<std::int32_t>(area));
    if (view) view(before, grown);
  }
}

std::int32_t DilationReach(const FractalEngine& engine) {
  return std::clamp(std::max(engine.param1, engine.param2), 0, kMaxParameter);
}

void DilationMethod(const FractalEngine& engine, MethodRun& run) {
  if (engine.outlines.empty()) return;
  if (engine.objectValue != 0 && engine.objectValue != 255) return;
  if (run.animation == nullptr) {
    MeasureDilation(engine, run.points);
    return;
  }
  const MethodAnimation& animation = *run.animation;
  DrawContext& window = animation.Window();
  // The pixels that the step added are painted red.
  MeasureDilation(engine, run.points, [&](const ImageBuffer& before, const ImageBuffer& after) {
    for (std::int32_t x = 0; x < after.Width(); ++x) {
      for (std::int32_t y = 0; y < after.Height(); ++y) {
        if (before.GetPixel(x, y) != after.GetPixel(x, y)) {
          window.SetPixel(animation.ToWindowX(x), animation.ToWindowY(y), kRed);
        }
      }
    }
    window.Flush();
  });
  window.Flush();
}

}  // namespace kep
