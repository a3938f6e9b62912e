#include "fractal/distance_map_method.h"

#include <algorithm>
#include <new>
#include <span>
#include <utility>
#include <vector>

#include "fractal/outline_path.h"
#include "fractal/radius_steps.h"
#include "preprocess/disc_centre_distance.h"

namespace kep {

std::uint8_t DistanceLabel(std::uint8_t objectValue, std::int64_t radius) {
  return static_cast<std::uint8_t>(objectValue == 255 ? 255 - radius : radius);
}

namespace {

// Dilate's radius-1 cross: from any straight neighbour of object value, also one
// on the image's frame; the caller keeps x and y at 1 or more (row 0 and column 0
// stay as they are).
bool CrossReaches(const ImageBuffer& image, std::int32_t x, std::int32_t y, std::uint8_t object) {
  return image.GetPixel(x - 1, y) == object || image.GetPixel(x, y - 1) == object ||
         (x + 1 < image.Width() && image.GetPixel(x + 1, y) == object) ||
         (y + 1 < image.Height() && image.GetPixel(x, y + 1) == object);
}

// Calls visit(x) once for every x of row y that lies within one pixel of the
// frame, x rising.
template <typename Visit>
void ForEachNearFrame(const ImageBuffer& image, std::int32_t y, Visit visit) {
  const std::int32_t width = image.Width();
  if (y <= 1 || y >= image.Height() - 2) {
    for (std::int32_t x = 0; x < width; ++x) visit(x);
    return;
  }
  for (std::int32_t x = 0; x < std::min(2, width); ++x) visit(x);
  for (std::int32_t x = std::max(2, width - 2); x < width; ++x) visit(x);
}

// The pixels reached first by one radius, x in the outer order and y in the inner one.
PointSeries ColumnOrder(std::vector<SeriesPoint>& pixels) {
  std::sort(pixels.begin(), pixels.end(), [](const SeriesPoint& a, const SeriesPoint& b) {
    return a.x != b.x ? a.x < b.x : a.y < b.y;
  });
  PointSeries series;
  for (const SeriesPoint& pixel : pixels) series.Append(pixel);
  return series;
}

}  // namespace

// One distance transform instead of a dilation per radius. The first radius (1)
// dilates with the cross, every later one (2 and more) with the disc, which holds
// exactly the pixels whose squared distance from a disc centre is at most r * r;
// so each pixel's first radius follows from its distance alone, except for the
// cross of radius 1, which also reaches from object pixels on the frame and
// leaves row 0 and column 0 out.
bool MeasureDistanceMap(const FractalEngine& engine, PointSeries& points, ImageBuffer& distanceMap,
                        const DistanceStepView& view) {
  const ImageBuffer& outline = engine.outlineImage;
  const auto object = static_cast<std::uint8_t>(engine.objectValue);
  const auto background = static_cast<std::uint8_t>(engine.backgroundValue);
  try {
    distanceMap.Create(outline.Width(), outline.Height(), 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  std::fill_n(distanceMap.Data(), distanceMap.ByteCount(), background);
  const std::int32_t step = engine.param2;
  if (step < 1) return true;

  const RadiusSteps radii(1, engine.param1, step);
  // No pixel lies farther from a centre than the image's diagonal; the radii
  // beyond the first that reaches that far reach nothing new.
  const auto diagonal =
      static_cast<std::uint64_t>(std::int64_t{outline.Width() - 1} * (outline.Width() - 1) +
                                 std::int64_t{outline.Height() - 1} * (outline.Height() - 1));
  const std::int64_t reaching = radii.CountReaching(diagonal);
  std::vector<std::int64_t> firstReached(static_cast<std::size_t>(reaching), 0);
  std::vector<std::vector<SeriesPoint>> reachedPixels(view ? static_cast<std::size_t>(reaching)
                                                           : 0);

  const bool animating = static_cast<bool>(view);
  if (reaching > 0) {
    const auto reach = static_cast<std::int32_t>(radii.Radius(reaching - 1));
    const std::int32_t width = outline.Width();
    const std::int32_t height = outline.Height();
    try {
      ForEachDiscCentreDistanceRow(
          outline, object, reach, [&](std::int32_t y, std::span<const NearestCentreRun> runs) {
            const std::uint8_t* pixels = outline.PixelAddress(0, y);
            std::uint8_t* labels = distanceMap.PixelAddress(0, y);
            // Pixels within reach of a centre but off the first radius's cross may
            // lie beyond the last radius when that is 1.
            const auto label = [&](std::int32_t x, std::int64_t k) {
              if (k >= reaching) return;
              labels[x] = DistanceLabel(object, radii.Radius(k));
              ++firstReached[static_cast<std::size_t>(k)];
              if (animating) reachedPixels[static_cast<std::size_t>(k)].push_back({x, y});
            };
            // Off the frame a pixel within reach takes the first radius whose square
            // is at least its squared distance, the cross of radius 1 taking those
            // next to a centre (distance 1); the outline's own pixels count as
            // reached from the start.
            const bool frameRow = y <= 1 || y >= height - 2;
            for (const NearestCentreRun& run :
                 frameRow ? std::span<const NearestCentreRun>() : runs) {
              for (std::int32_t x = std::max(run.from, 2); x <= std::min(run.to, width - 3); ++x) {
                if (pixels[x] == object) continue;
                const std::uint64_t squared = run.SquaredDistance(x);
                label(x,
                      squared == 1 ? 0 : std::max<std::int64_t>(1, radii.FirstReaching(squared)));
              }
            }
            // Within a pixel of the frame the cross of radius 1 also reaches from
            // object pixels on the frame, which are no disc centres, and leaves row 0
            // and column 0 alone.
            std::size_t r = 0;
            ForEachNearFrame(outline, y, [&](std::int32_t x) {
              if (pixels[x] == object) return;
              while (r < runs.size() && runs[r].to < x) ++r;
              const bool within = r < runs.size() && runs[r].from <= x;
              if (x >= 1 && y >= 1 && CrossReaches(outline, x, y, object)) {
                label(x, 0);
              } else if (within) {
                label(x,
                      std::max<std::int64_t>(1, radii.FirstReaching(runs[r].SquaredDistance(x))));
              }
            });
          });
    } catch (const std::bad_alloc&) {
      return false;
    }
  }

  std::vector<SeriesPoint> none;
  std::int64_t k = 0;
  ForEachCumulativeCount(radii, firstReached, [&](std::int32_t radius, std::int64_t total) {
    points.Append(radius, ClampToInt32(total));
    if (view)
      view(radius, ColumnOrder(k < reaching ? reachedPixels[static_cast<std::size_t>(k)] : none));
    ++k;
  });
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
  if (made) outlineImage = std::move(distanceMap);
}

}  // namespace kep
