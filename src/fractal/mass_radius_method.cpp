#include "fractal/mass_radius_method.h"

#include <algorithm>

#include "fractal/append_points.h"
#include "fractal/fractal_engine.h"
#include "fractal/outline_path.h"
#include "fractal/radius_steps.h"
#include "fractal/ring_animation.h"
#include "services/stop_request.h"

namespace kep {

namespace {

struct Bounds {
  std::int64_t minX = 0;
  std::int64_t maxX = 0;
  std::int64_t minY = 0;
  std::int64_t maxY = 0;
};

// The bounding box of an outline that has pixels.
Bounds BoundsOf(const PointSeries& outline) {
  Bounds b{outline[0].x, outline[0].x, outline[0].y, outline[0].y};
  for (const SeriesPoint& p : outline) {
    b.minX = std::min<std::int64_t>(b.minX, p.x);
    b.maxX = std::max<std::int64_t>(b.maxX, p.x);
    b.minY = std::min<std::int64_t>(b.minY, p.y);
    b.maxY = std::max<std::int64_t>(b.maxY, p.y);
  }
  return b;
}

// No two pixels of one outline lie farther apart than its bounding box's diagonal.
std::uint64_t LargestSquaredSpan(const std::vector<PointSeries>& outlines) {
  std::uint64_t largest = 0;
  for (const PointSeries& outline : outlines) {
    if (outline.Count() == 0) continue;
    const Bounds b = BoundsOf(outline);
    const auto w = static_cast<std::uint64_t>(b.maxX - b.minX);
    const auto h = static_cast<std::uint64_t>(b.maxY - b.minY);
    largest = std::max(largest, w * w + h * h);
  }
  return largest;
}

// The pixels of an outline sorted into square cells, row of cells by row of cells.
class CellGrid {
 public:
  CellGrid(const PointSeries& outline, std::int64_t reach) : m_bounds(BoundsOf(outline)) {
    // Cells at least `reach` wide, and not many more of them than pixels.
    m_cell = std::max<std::int64_t>(reach, 1);
    const double most = 4.0 * outline.Count() + 64.0;
    while (static_cast<double>(Across()) * static_cast<double>(Down()) > most) m_cell *= 2;
    m_starts.assign(static_cast<std::size_t>(Across() * Down()) + 1, 0);
    for (const SeriesPoint& p : outline) ++m_starts[CellOf(p) + 1];
    for (std::size_t c = 1; c < m_starts.size(); ++c) m_starts[c] += m_starts[c - 1];
    m_pixels.resize(static_cast<std::size_t>(outline.Count()));
    std::vector<std::size_t> next(m_starts.begin(), m_starts.end() - 1);
    for (const SeriesPoint& p : outline) m_pixels[next[CellOf(p)]++] = p;
  }

  // Calls visit(pixel) for every pixel in the cell of p and the eight around it.
  template <typename Visit>
  void ForEachNear(const SeriesPoint& p, Visit visit) const {
    const std::int64_t cx = (p.x - m_bounds.minX) / m_cell;
    const std::int64_t cy = (p.y - m_bounds.minY) / m_cell;
    const std::int64_t fromX = std::max<std::int64_t>(cx - 1, 0);
    const std::int64_t toX = std::min<std::int64_t>(cx + 1, Across() - 1);
    const std::int64_t lastRow = std::min<std::int64_t>(cy + 1, Down() - 1);
    for (std::int64_t row = std::max<std::int64_t>(cy - 1, 0); row <= lastRow; ++row) {
      // The three cells of a row of cells lie next to each other in the sorted pixels.
      const std::size_t begin = m_starts[static_cast<std::size_t>(row * Across() + fromX)];
      const std::size_t end = m_starts[static_cast<std::size_t>(row * Across() + toX) + 1];
      for (std::size_t i = begin; i < end; ++i) visit(m_pixels[i]);
    }
  }

 private:
  std::int64_t Across() const { return (m_bounds.maxX - m_bounds.minX) / m_cell + 1; }
  std::int64_t Down() const { return (m_bounds.maxY - m_bounds.minY) / m_cell + 1; }
  std::size_t CellOf(const SeriesPoint& p) const {
    return static_cast<std::size_t>((p.y - m_bounds.minY) / m_cell * Across() +
                                    (p.x - m_bounds.minX) / m_cell);
  }

  Bounds m_bounds;
  std::int64_t m_cell = 1;
  std::vector<std::size_t> m_starts;  // first pixel of each cell, and the pixel count last
  std::vector<SeriesPoint> m_pixels;
};

std::int32_t CentreSpacing(MassRadiusForm form) {
  return form == MassRadiusForm::kShort ? kShortCentreSpacing : 1;
}

// The pairs of one outline counted by the first radius whose disc holds them:
// entry k of `firstWithin` grows by the pairs within radius k of `radii` but not
// within an earlier one. Only distances up to the last radius of the entries
// matter, so each centre is paired only with the pixels of its own and the eight
// neighbouring cells of a grid at least that wide.
void CountPairsByRadius(const PointSeries& outline, MassRadiusForm form, const RadiusSteps& radii,
                        std::vector<std::uint64_t>& firstWithin) {
  const auto entries = static_cast<std::int64_t>(firstWithin.size());
  if (outline.Count() == 0 || entries == 0) return;
  const std::int64_t reach = radii.Radius(entries - 1);
  const auto reachSquared = static_cast<std::uint64_t>(reach) * static_cast<std::uint64_t>(reach);
  const CellGrid grid(outline, reach);
  for (std::int64_t i = 0; i < outline.Count(); i += CentreSpacing(form)) {
    if (i % 64 == 0) StopPoint();
    const SeriesPoint centre = outline[static_cast<std::int32_t>(i)];
    grid.ForEachNear(centre, [&](const SeriesPoint& p) {
      const std::uint64_t squared = SquaredDistance(p, centre);
      if (squared <= reachSquared) {
        ++firstWithin[static_cast<std::size_t>(radii.FirstReaching(squared))];
      }
    });
  }
}

}  // namespace

std::uint64_t MassDivisor(const std::vector<PointSeries>& outlines, MassRadiusForm form) {
  std::uint64_t divisor = 0;
  for (const PointSeries& outline : outlines) {
    const auto n = static_cast<std::uint64_t>(outline.Count());
    divisor += form == MassRadiusForm::kShort ? n / kShortCentreSpacing + 1 : n;
  }
  return divisor;
}

PointSeries ShortFormCentres(const std::vector<PointSeries>& outlines) {
  PointSeries centres;
  for (const PointSeries& outline : outlines) {
    for (std::int64_t i = 0; i < outline.Count(); i += kShortCentreSpacing) {
      centres.Append(outline[static_cast<std::int32_t>(i)]);
    }
  }
  return centres;
}

PointSeries MassRadiusPoints(const std::vector<PointSeries>& outlines, MassRadiusForm form,
                             const ScaleRange& range, const ScaleHook& afterEach) {
  PointSeries points;
  const std::uint64_t divisor = MassDivisor(outlines, form);
  if (divisor == 0) return points;
  const RadiusSteps radii(range);
  std::vector<std::uint64_t> firstWithin(
      static_cast<std::size_t>(radii.CountReaching(LargestSquaredSpan(outlines))), 0);
  for (const PointSeries& outline : outlines) CountPairsByRadius(outline, form, radii, firstWithin);
  ForEachCumulativeCount(radii, firstWithin, [&](std::int32_t radius, std::uint64_t pairs) {
    // Each outline pairs at most its pixel count per centre, so the mass is at
    // most the longest outline's pixel count and fits in 32 bits.
    points.Append(radius, ClampToInt32(static_cast<std::int64_t>(pairs / divisor)));
    if (afterEach) afterEach(radius);
  });
  return points;
}

void MassRadiusLong(const FractalEngine& engine, MethodRun& run) {
  if (engine.outlines.empty()) return;
  RingAnimation rings(run.animation, static_cast<std::uint8_t>(engine.objectValue));
  if (run.animation && !rings.Start(engine.outlineImage)) return;
  AppendPoints(run.points,
               MassRadiusPoints(engine.outlines, MassRadiusForm::kLong,
                                {engine.param1, engine.param2, engine.param3}, rings.GrowHook()));
}

void MassRadiusShort(const FractalEngine& engine, MethodRun& run) {
  if (engine.outlines.empty()) return;
  RingAnimation rings(run.animation, static_cast<std::uint8_t>(engine.objectValue));
  if (run.animation &&
      !rings.StartFromPoints(engine.outlineImage, ShortFormCentres(engine.outlines))) {
    return;
  }
  AppendPoints(run.points,
               MassRadiusPoints(engine.outlines, MassRadiusForm::kShort,
                                {engine.param1, engine.param2, engine.param3}, rings.GrowHook()));
}

}  // namespace kep
