#include "reference/method_reference.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "fractal/cumulative_intersection_method.h"
#include "fractal/distance_map_method.h"
#include "fractal/outline_path.h"
#include "preprocess/dilate.h"
#include "reference/simplify_contour_reference.h"

namespace kep::reference {

namespace {

std::int32_t CountOf(const ImageBuffer& image, std::uint8_t value) {
  ImageBuffer::Histogram histogram;
  image.ComputeHistogram(histogram);
  return static_cast<std::int32_t>(
      std::min<std::uint32_t>(histogram[value], std::numeric_limits<std::int32_t>::max()));
}

// The object pixels in x0..x1, y0..y1 (ends included), clipped to the image.
std::int32_t CountObjectPixels(const FractalEngine& engine, std::int64_t x0, std::int64_t y0,
                               std::int64_t x1, std::int64_t y1) {
  const ImageBuffer& image = engine.outlineImage;
  std::int32_t count = 0;
  for (std::int64_t x = std::max<std::int64_t>(x0, 0);
       x <= std::min<std::int64_t>(x1, image.Width() - 1); ++x) {
    for (std::int64_t y = std::max<std::int64_t>(y0, 0);
         y <= std::min<std::int64_t>(y1, image.Height() - 1); ++y) {
      if (engine.IsObject(
              image.GetPixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y))))
        ++count;
    }
  }
  return count;
}

}  // namespace

void MeasureDilation(const FractalEngine& engine, PointSeries& points) {
  const auto object = static_cast<std::uint8_t>(engine.objectValue);
  const std::int32_t step = engine.param3;
  if (step < 1) return;
  ImageBuffer current;
  ImageBuffer previous;
  if (!current.CopyFrom(engine.outlineImage) || !previous.CopyFrom(engine.outlineImage)) return;
  if (engine.param1 > 1) Dilate(previous, object, engine.param1, current);
  for (std::int64_t r = engine.param1; r < engine.param2; r += step) {
    Dilate(current, object, step, previous);
    points.Append(static_cast<std::int32_t>(r), std::max(CountOf(current, object), 1));
    std::swap(current, previous);
  }
}

bool MeasureDistanceMap(const FractalEngine& engine, PointSeries& points,
                        ImageBuffer& distanceMap) {
  const ImageBuffer& outline = engine.outlineImage;
  const auto object = static_cast<std::uint8_t>(engine.objectValue);
  ImageBuffer dilated;
  ImageBuffer reached;  // 1 where counted or on the outline; labels may wrap onto the background
  if (!dilated.CopyFrom(outline) || !distanceMap.CopyFrom(outline) || !reached.CopyFrom(outline)) {
    return false;
  }
  for (std::int32_t y = 0; y < outline.Height(); ++y) {
    for (std::int32_t x = 0; x < outline.Width(); ++x) {
      distanceMap.SetPixel(x, y, static_cast<std::uint8_t>(engine.backgroundValue));
      reached.SetPixel(x, y, outline.GetPixel(x, y) == object ? 1 : 0);
    }
  }
  if (engine.param2 < 1) return true;
  std::int64_t total = 0;
  for (std::int64_t r = 1; r < engine.param1; r += engine.param2) {
    Dilate(dilated, object, static_cast<std::int32_t>(r), outline);
    for (std::int32_t x = 0; x < outline.Width(); ++x) {
      for (std::int32_t y = 0; y < outline.Height(); ++y) {
        if (dilated.GetPixel(x, y) != object || reached.GetPixel(x, y) != 0) continue;
        reached.SetPixel(x, y, 1);
        distanceMap.SetPixel(x, y, DistanceLabel(object, r));
        ++total;
      }
    }
    points.Append(static_cast<std::int32_t>(r), ClampToInt32(total));
  }
  return true;
}

void MeasureBoxCounts(const FractalEngine& engine, PointSeries& points) {
  if (engine.param1 < 1 || engine.param3 < 1) return;
  const std::int64_t grids = engine.gridOffsets;
  for (std::int64_t s = engine.param1; s <= engine.param2; s += engine.param3) {
    std::int32_t fewest = std::numeric_limits<std::int32_t>::max();
    for (std::int64_t i = 0; i < grids; ++i) {
      for (std::int64_t j = 0; j < grids; ++j) {
        std::int32_t count = 0;
        for (std::int64_t x0 = engine.left - i * s / grids; x0 <= engine.right; x0 += s) {
          for (std::int64_t y0 = engine.top - j * s / grids; y0 <= engine.bottom; y0 += s) {
            if (CountObjectPixels(engine, x0, y0, x0 + s - 1, y0 + s - 1) > 0) ++count;
          }
        }
        fewest = std::min(fewest, count);
      }
    }
    points.Append(static_cast<std::int32_t>(s), std::max(fewest, 1));
  }
}

PointSeries MassRadiusPoints(const std::vector<PointSeries>& outlines, MassRadiusForm form,
                             const ScaleRange& range) {
  PointSeries points;
  const std::uint64_t divisor = MassDivisor(outlines, form);
  if (divisor == 0) return points;
  const std::int32_t spacing = form == MassRadiusForm::kShort ? kShortCentreSpacing : 1;
  ForEachScale(range, [&](std::int32_t radius) {
    std::uint64_t pairs = 0;
    for (const PointSeries& outline : outlines) {
      for (std::int64_t i = 0; i < outline.Count(); i += spacing) {
        const SeriesPoint centre = outline[static_cast<std::int32_t>(i)];
        for (const SeriesPoint& p : outline) {
          pairs += IsWithinRadius(centre.x, centre.y, radius, p.x, p.y);
        }
      }
    }
    points.Append(radius, ClampToInt32(static_cast<std::int64_t>(pairs / divisor)));
  });
  return points;
}

PointSeries CumulativeIntersectionPoints(const std::vector<PointSeries>& outlines,
                                         const ScaleRange& range, SeriesPoint origin) {
  PointSeries points;
  const PointSeries centres = OutlineCentres(outlines, origin);
  ForEachScale(range, [&](std::int32_t radius) {
    std::int64_t count = 0;
    for (std::size_t k = 0; k < outlines.size(); ++k) {
      const SeriesPoint centre = centres[static_cast<std::int32_t>(k)];
      for (std::int32_t i = 1; i < outlines[k].Count(); ++i) {
        count += IsWithinRadius(outlines[k][i].x, outlines[k][i].y, radius, centre.x, centre.y);
      }
    }
    points.Append(radius, std::max(ClampToInt32(count), 1));
  });
  return points;
}

PointSeries CornerMethodPoints(const std::vector<PointSeries>& outlines, CornerMeasure measure,
                               std::int32_t fromTenths, std::int32_t toTenths,
                               std::int32_t stepTenths) {
  PointSeries points;
  ForEachTolerance(fromTenths, toTenths, stepTenths, [&](double tolerance) {
    std::int64_t corners = 0;
    double perimeter = 0.0;
    for (const PointSeries& outline : outlines) {
      const std::vector<SeriesPoint> polygon =
          SimplifyContour(outline.Data(), outline.Count(), tolerance);
      corners += static_cast<std::int64_t>(polygon.size());
      AddClosedPathLength(polygon.data(), polygon.size(), perimeter);
    }
    const std::int32_t value =
        measure == CornerMeasure::kCount ? ClampToInt32(corners) : TruncateToInt32(perimeter);
    points.Append(TruncateToInt32(tolerance * 10.0), std::max(value, 1));
  });
  return points;
}

}  // namespace kep::reference
