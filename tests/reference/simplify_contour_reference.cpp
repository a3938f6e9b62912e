#include "reference/simplify_contour_reference.h"

#include <limits>

namespace kep::reference {

namespace {

// Exact integers for the split tests: the squared cross products outgrow 64 bits
// on images a few thousand pixels wide.
__extension__ using Int128 = __int128;
__extension__ using UInt128 = unsigned __int128;

Int128 Cross(const SeriesPoint& a, const SeriesPoint& b, const SeriesPoint& c) {
  return static_cast<Int128>(static_cast<std::int64_t>(b.x) - a.x) *
             (static_cast<std::int64_t>(c.y) - a.y) -
         static_cast<Int128>(static_cast<std::int64_t>(b.y) - a.y) *
             (static_cast<std::int64_t>(c.x) - a.x);
}

UInt128 Magnitude(Int128 value) {
  return value < 0 ? static_cast<UInt128>(-value) : static_cast<UInt128>(value);
}

UInt128 SquaredDistance(const SeriesPoint& a, const SeriesPoint& b) {
  const auto dx = static_cast<Int128>(static_cast<std::int64_t>(b.x) - a.x);
  const auto dy = static_cast<Int128>(static_cast<std::int64_t>(b.y) - a.y);
  return static_cast<UInt128>(dx * dx + dy * dy);
}

// a * b, or the largest value when the product does not fit (only for coordinates
// hundreds of millions of pixels apart).
UInt128 SaturatingProduct(UInt128 a, UInt128 b) {
  const UInt128 largest = ~static_cast<UInt128>(0);
  if (a != 0 && b > largest / a) return largest;
  return a * b;
}

// The point among p[1 .. k-2] farthest from the chord p[0]..p[k-1], or from p[0]
// when the chord is a single point; ties go to the later index. 0 for k <= 2.
std::int32_t FarthestPoint(const SeriesPoint* p, std::int32_t k) {
  std::int32_t best = 0;
  UInt128 bestMeasure = 0;
  const bool closed = p[k - 1] == p[0];
  for (std::int32_t i = 1; i <= k - 2; ++i) {
    const UInt128 measure =
        closed ? SquaredDistance(p[0], p[i]) : Magnitude(Cross(p[0], p[k - 1], p[i]));
    if (best == 0 || measure >= bestMeasure) {
      best = i;
      bestMeasure = measure;
    }
  }
  return best;
}

// Whether the outline has strayed from the chord: d2 * threshold against
// cross^2 * scale, both exact (saturating only far beyond any image size).
bool LeavesChord(UInt128 d2, UInt128 threshold, Int128 cross, UInt128 scale, bool orEqual) {
  const UInt128 c = Magnitude(cross);
  const UInt128 left = SaturatingProduct(d2, threshold);
  const UInt128 right = SaturatingProduct(SaturatingProduct(c, c), scale);
  return orEqual ? left <= right : left < right;
}

// How far the next corner lies from the current one, p[0], within m points.
std::int32_t SplitSearch(const SeriesPoint* p, std::int32_t m, UInt128 threshold) {
  if (m <= 2) return m - 1;
  for (std::int32_t k = 3; k <= m; ++k) {
    const std::int32_t j = FarthestPoint(p, k);
    if (LeavesChord(SquaredDistance(p[0], p[k - 1]), threshold, Cross(p[0], p[j], p[k - 1]), 256,
                    true)) {
      return j;
    }
  }
  return m - 1;
}

// Whether the last segment of m points needs one more corner: its index, or m - 1.
std::int32_t FinalCheck(const SeriesPoint* p, std::int32_t m, UInt128 threshold) {
  const std::int32_t j = FarthestPoint(p, m);
  const bool split = LeavesChord(SquaredDistance(p[0], p[m - 1]), threshold,
                                 Cross(p[j], p[0], p[m - 1]), 512, false);
  return split ? j : m - 1;
}

// t = tolerance x 16 truncated toward zero, saturated to 32 bits; T = t squared.
UInt128 SquaredThreshold(double tolerance) {
  const double scaled = tolerance * 16.0;
  std::int64_t t = 0;
  if (scaled >= std::numeric_limits<std::int32_t>::max()) {
    t = std::numeric_limits<std::int32_t>::max();
  } else if (scaled <= std::numeric_limits<std::int32_t>::min()) {
    t = std::numeric_limits<std::int32_t>::min();
  } else if (scaled == scaled) {
    t = static_cast<std::int32_t>(scaled);
  }
  return static_cast<UInt128>(t * t);
}

}  // namespace

std::vector<SeriesPoint> SimplifyContour(const SeriesPoint* points, std::int32_t n,
                                         double tolerance) {
  std::vector<SeriesPoint> corners;
  if (n <= 0 || points == nullptr) return corners;
  if (n == 1) return {points[0]};
  const UInt128 threshold = SquaredThreshold(tolerance);
  corners.push_back(points[0]);
  std::int32_t s = 0;
  std::int32_t last = 0;
  for (;;) {
    s += SplitSearch(points + s, n - s, threshold);
    if (s >= n - 1) break;
    corners.push_back(points[s]);
    last = s;
  }
  const std::int32_t k = FinalCheck(points + last, n - last, threshold);
  if (last + k < n - 1) corners.push_back(points[last + k]);
  corners.push_back(points[n - 1]);
  return corners;
}

}  // namespace kep::reference
