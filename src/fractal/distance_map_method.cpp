#include "fractal/distance_map_method.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <span>
#include <utility>
#include <vector>

#include "fractal/method_animation.h"
#include "fractal/outline_path.h"
#include "fractal/parameter_range.h"
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

// Labels each pixel of the map with the first radius that reaches it, row by row
// from the pixels' distances from the nearest disc centre, and counts them.
class FirstRadiusLabelling {
 public:
  FirstRadiusLabelling(const ImageBuffer& outline, std::uint8_t object, std::uint8_t background,
                       const RadiusSteps& radii, std::int64_t reaching, ImageBuffer& map,
                       bool listPixels)
      : m_outline(outline),
        m_object(object),
        m_background(background),
        m_radii(radii),
        m_map(map),
        m_firstReached(static_cast<std::size_t>(reaching), 0),
        m_reachedPixels(listPixels ? static_cast<std::size_t>(reaching) : 0) {
    for (std::int64_t k = 0; k < reaching; ++k) {
      m_labels.push_back(DistanceLabel(object, radii.Radius(k)));
    }
  }

  // Every pixel of row y that no radius reaches keeps the background value.
  void Row(std::int32_t y, std::span<const NearestCentreRun> runs) {
    std::memset(m_map.PixelAddress(0, y), m_background, static_cast<std::size_t>(m_map.Stride()));
    const bool frameRow = y <= 1 || y >= m_outline.Height() - 2;
    for (const NearestCentreRun& run : frameRow ? std::span<const NearestCentreRun>() : runs) {
      const std::int32_t from = std::max(run.from, 2);
      const std::int32_t to = std::min(run.to, m_outline.Width() - 3);
      if (m_reachedPixels.empty()) {
        LabelRun<false>(y, run, from, to);
      } else {
        LabelRun<true>(y, run, from, to);
      }
    }
    // Within a pixel of the frame the cross of radius 1 also reaches from object
    // pixels on the frame, which are no disc centres, and leaves row 0 and column 0 alone.
    std::size_t r = 0;
    ForEachNearFrame(m_outline, y, [&](std::int32_t x) {
      if (*m_outline.PixelAddress(x, y) == m_object) return;
      while (r < runs.size() && runs[r].to < x) ++r;
      if (x >= 1 && y >= 1 && CrossReaches(m_outline, x, y, m_object)) {
        Label(x, y, 0);
      } else if (r < runs.size() && runs[r].from <= x) {
        Label(x, y, FirstDiscRadius(runs[r].SquaredDistance(x)));
      }
    });
  }

  const std::vector<std::int64_t>& FirstReached() const { return m_firstReached; }
  std::vector<SeriesPoint>& ReachedPixels(std::int64_t k) {
    return m_reachedPixels[static_cast<std::size_t>(k)];
  }

 private:
  // Radius 2 and more: the first disc that holds the pixel. Within reach of a
  // centre but beyond the last radius when that is 1 the index is past the end.
  std::int64_t FirstDiscRadius(std::uint64_t squared) const {
    return std::max<std::int64_t>(1, m_radii.FirstReaching(squared));
  }

  // Off the frame the cross of radius 1 reaches exactly the pixels next to a disc
  // centre (squared distance 1); the outline's own pixels count as reached from
  // the start. Counts are added once per stretch of equal radius. The label row
  // is restricted and the members are read into locals: a byte store could
  // otherwise change anything, and all of it would be read again for every pixel.
  template <bool kListing>
  void LabelRun(std::int32_t y, const NearestCentreRun& run, std::int32_t from, std::int32_t to) {
    const std::uint8_t* pixels = m_outline.PixelAddress(0, y);
    std::uint8_t* __restrict labels = m_map.PixelAddress(0, y);
    const std::uint8_t object = m_object;
    const std::uint8_t* labelOf = m_labels.data();
    std::int64_t* firstReached = m_firstReached.data();
    std::int64_t k = 0;
    std::int64_t pending = 0;
    for (std::int32_t x = from; x <= to; ++x) {
      if (pixels[x] == object) continue;
      const std::uint64_t squared = run.SquaredDistance(x);
      const std::int64_t first = squared == 1 ? 0 : FirstDiscRadius(squared);
      if (first != k) {
        firstReached[k] += pending;
        k = first;
        pending = 0;
      }
      ++pending;
      labels[x] = labelOf[first];
      if constexpr (kListing) ReachedPixels(first).push_back({x, y});
    }
    firstReached[k] += pending;
  }

  void Label(std::int32_t x, std::int32_t y, std::int64_t k) {
    if (k >= static_cast<std::int64_t>(m_labels.size())) return;
    *m_map.PixelAddress(x, y) = m_labels[static_cast<std::size_t>(k)];
    ++m_firstReached[static_cast<std::size_t>(k)];
    if (!m_reachedPixels.empty()) ReachedPixels(k).push_back({x, y});
  }

  const ImageBuffer& m_outline;
  std::uint8_t m_object;
  std::uint8_t m_background;
  const RadiusSteps& m_radii;
  ImageBuffer& m_map;
  std::vector<std::uint8_t> m_labels;  // by radius index
  std::vector<std::int64_t> m_firstReached;
  std::vector<std::vector<SeriesPoint>> m_reachedPixels;  // for the view only
};

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
  try {
    distanceMap.Create(outline.Width(), outline.Height(), 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  const auto background = static_cast<std::uint8_t>(engine.backgroundValue);
  // A step below 1 would never reach the end: no radius.
  const RadiusSteps radii(1, engine.param1, engine.param2);
  // No pixel lies farther from a centre than the image's diagonal; the radii
  // beyond the first that reaches that far reach nothing new.
  const auto diagonal =
      static_cast<std::uint64_t>(std::int64_t{outline.Width() - 1} * (outline.Width() - 1) +
                                 std::int64_t{outline.Height() - 1} * (outline.Height() - 1));
  const std::int64_t reaching = radii.CountReaching(diagonal);
  FirstRadiusLabelling labelling(outline, object, background, radii, reaching, distanceMap,
                                 static_cast<bool>(view));
  if (reaching == 0) {
    std::fill_n(distanceMap.Data(), distanceMap.ByteCount(), background);
  } else {
    try {
      ForEachDiscCentreDistanceRow(
          outline, object, static_cast<std::int32_t>(radii.Radius(reaching - 1)),
          [&labelling](std::int32_t y, std::span<const NearestCentreRun> runs) {
            labelling.Row(y, runs);
          });
    } catch (const std::bad_alloc&) {
      return false;
    }
  }
  std::vector<SeriesPoint> none;
  std::int64_t k = 0;
  ForEachCumulativeCount(
      radii, labelling.FirstReached(), [&](std::int32_t radius, std::int64_t total) {
        points.Append(radius, ClampToInt32(total));
        if (view) view(radius, ColumnOrder(k < reaching ? labelling.ReachedPixels(k) : none));
        ++k;
      });
  return true;
}

std::int32_t DistanceMapReach(const FractalEngine& engine) {
  return std::clamp(engine.param1, 0, kMaxParameter);
}

void DistanceMapMethod(const FractalEngine& engine, MethodRun& run) {
  if (engine.outlines.empty()) return;
  if (engine.objectValue != 0 && engine.objectValue != 255) return;
  if (engine.backgroundValue != 255 - engine.objectValue) return;
  DistanceStepView view;
  if (run.animation != nullptr) {
    const MethodAnimation& animation = *run.animation;
    // Each radius in its own shade of red, dark to bright outward from dark
    // outlines and bright to dark outward from bright ones.
    view = [&engine, &animation](std::int32_t radius, const PointSeries& reached) {
      const auto ramp =
          static_cast<std::int32_t>(255 * static_cast<std::int64_t>(radius) / engine.param1);
      const auto shade = static_cast<std::uint8_t>(engine.objectValue == 255 ? 255 - ramp : ramp);
      for (const SeriesPoint& pixel : reached) {
        animation.Window().SetPixel(animation.ToWindowX(pixel.x), animation.ToWindowY(pixel.y),
                                    Rgb{shade, 0, 0});
      }
      animation.Window().Flush();
    };
  }
  ImageBuffer distanceMap;
  const bool made = MeasureDistanceMap(engine, run.points, distanceMap, view);
  if (run.animation != nullptr) run.animation->Window().Flush();
  if (made) run.picture = std::move(distanceMap);
}

}  // namespace kep
