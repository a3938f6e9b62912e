#include "preprocess/corner_walk.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "preprocess/hull_candidates.h"

namespace kep {

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

Int128 Magnitude(Int128 value) { return value < 0 ? -value : value; }
double Magnitude(double value) { return std::abs(value); }

UInt128 SquaredDistance(const SeriesPoint& a, const SeriesPoint& b) {
  const auto dx = static_cast<Int128>(static_cast<std::int64_t>(b.x) - a.x);
  const auto dy = static_cast<Int128>(static_cast<std::int64_t>(b.y) - a.y);
  return static_cast<UInt128>(dx * dx + dy * dy);
}

// a * b, or the largest value when the product does not fit (only for coordinates
// hundreds of millions of pixels apart).
UInt128 SaturatingProduct(UInt128 a, UInt128 b) {
  if ((a >> 64) == 0 && (b >> 64) == 0) return a * b;  // the common case, without dividing
  const UInt128 largest = ~static_cast<UInt128>(0);
  if (a != 0 && b > largest / a) return largest;
  return a * b;
}

// Whether the outline has strayed from the chord: d2 * threshold against
// cross^2 * scale, both exact (saturating only far beyond any image size).
bool LeavesChord(UInt128 d2, UInt128 threshold, Int128 cross, UInt128 scale, bool orEqual) {
  const auto c = static_cast<UInt128>(Magnitude(cross));
  const UInt128 left = SaturatingProduct(d2, threshold);
  const UInt128 right = SaturatingProduct(SaturatingProduct(c, c), scale);
  return orEqual ? left <= right : left < right;
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

// Offsets below this keep the cross products of the scan exact in doubles.
constexpr std::int64_t kDoubleExactSpan = std::int64_t{1} << 26;

// The larger of the extents in x and in y.
std::int64_t Span(const SeriesPoint* points, std::int32_t n) {
  const auto [left, right] = std::minmax_element(
      points, points + n, [](const SeriesPoint& a, const SeriesPoint& b) { return a.x < b.x; });
  const auto [top, bottom] = std::minmax_element(
      points, points + n, [](const SeriesPoint& a, const SeriesPoint& b) { return a.y < b.y; });
  return std::max(std::int64_t{right->x} - left->x, std::int64_t{bottom->y} - top->y);
}

template <typename Number>
Number Difference(std::int32_t a, std::int32_t b) {
  return static_cast<Number>(std::int64_t{a} - b);
}

// An integer held in a double below 2^53 goes through 64 bits: the direct
// conversion to 128 bits is a slow library call.
Int128 ToInt128(double value) { return static_cast<std::int64_t>(value); }
Int128 ToInt128(Int128 value) { return value; }

// The point among p[1 .. k-2] farthest from the chord p[0]..p[k-1], or from p[0]
// when the chord is a single point; ties go to the later index. 0 for k <= 2.
template <typename Number>
std::int32_t FarthestPoint(const SeriesPoint* p, std::int32_t k) {
  std::int32_t best = 0;
  Number bestMeasure = 0;
  const bool closed = p[k - 1] == p[0];
  const Number ux = Difference<Number>(p[k - 1].x, p[0].x);
  const Number uy = Difference<Number>(p[k - 1].y, p[0].y);
  for (std::int32_t i = 1; i <= k - 2; ++i) {
    const Number vx = Difference<Number>(p[i].x, p[0].x);
    const Number vy = Difference<Number>(p[i].y, p[0].y);
    const Number measure = closed ? vx * vx + vy * vy : Magnitude(ux * vy - uy * vx);
    if (best == 0 || measure >= bestMeasure) {
      best = i;
      bestMeasure = measure;
    }
  }
  return best;
}

// The same when the chord is not a single point and `largest` is the largest
// |cross| there is: the latest point that has it.
template <typename Number>
std::int32_t LatestAtCross(const SeriesPoint* p, std::int32_t k, Number largest) {
  const Number ux = Difference<Number>(p[k - 1].x, p[0].x);
  const Number uy = Difference<Number>(p[k - 1].y, p[0].y);
  std::int32_t i = k - 2;
  while (i > 1) {
    const Number cross =
        ux * Difference<Number>(p[i].y, p[0].y) - uy * Difference<Number>(p[i].x, p[0].x);
    if ((cross < 0 ? -cross : cross) == largest) break;
    --i;
  }
  return i;
}

// Whether a chord clearly stays within the threshold, tested in doubles before the
// exact test: each side below is within a relative 2^-51 of its exact value (one
// rounding of 256 c^2, three of T d^2 and the margin), so a chord that falls
// short by more than the margin of 2^-40 falls short exactly too. The 128-bit
// path has no such shortcut.
bool FallsShort(double largest, double d2, double threshold) {
  return 256.0 * largest * largest < threshold * d2 * (1.0 - 0x1p-40);
}
bool FallsShort(Int128, Int128, double) { return false; }

// The corner search for several thresholds at once. For one threshold the
// search runs from the current corner s along the outline: for k = 3, 4, ... the
// chord from s to the (k-1)-th point after it is tested against the farthest of
// the points between; at the first k whose test holds, the farthest point is the
// next corner. The test of k holds for every threshold up to some value and
// for none beyond, so one pass from s settles all the thresholds whose walks
// stand at s, the smallest first. Each threshold's walk is a chain of corners;
// the chains standing at a point wait there until the pass from it, and as
// every corner lies after the one before, the passes go from the first point
// to the last.
//
// Exactness: the farthest point's |cross| with the chord is the largest over the
// points between, which HullCandidates gives exactly; the split test compares it
// as the plain search does, and at a k that passes, the plain rule (ties to the
// later point) picks the corner from all the points between.
template <typename Number, typename Corner>
class CornerWalk {
 public:
  // thresholds: one per chain, ascending; corner(chain, index of the point). n >= 2.
  CornerWalk(const SeriesPoint* points, std::int32_t n, const std::vector<UInt128>& thresholds,
             const Corner& corner)
      : m_points(points),
        m_n(n),
        m_thresholds(thresholds),
        m_corner(corner),
        m_firstWaiting(static_cast<std::size_t>(n), kNone),
        m_nextWaiting(thresholds.size(), kNone) {
    // Converted once: from 128 bits this is a library call.
    for (const UInt128 threshold : thresholds) {
      m_roughThresholds.push_back(static_cast<double>(threshold));
    }
  }

  void Run() {
    for (std::size_t chain = 0; chain < m_thresholds.size(); ++chain) {
      m_corner(chain, 0);
      WaitAt(chain, 0);
    }
    for (std::int32_t s = 0; s < m_n - 1; ++s) {
      m_waiting.clear();
      for (std::int32_t chain = m_firstWaiting[static_cast<std::size_t>(s)]; chain != kNone;
           chain = m_nextWaiting[static_cast<std::size_t>(chain)]) {
        m_waiting.push_back(static_cast<std::size_t>(chain));
      }
      if (m_waiting.empty()) continue;
      std::sort(m_waiting.begin(), m_waiting.end());  // smallest threshold first
      SearchFrom(s);
    }
  }

 private:
  static constexpr std::int32_t kNone = -1;

  void WaitAt(std::size_t chain, std::int32_t index) {
    m_nextWaiting[chain] = m_firstWaiting[static_cast<std::size_t>(index)];
    m_firstWaiting[static_cast<std::size_t>(index)] = static_cast<std::int32_t>(chain);
  }

  // The split search from corner s for the chains in m_waiting, smallest
  // threshold first.
  void SearchFrom(std::int32_t s) {
    const SeriesPoint* p = m_points + s;
    const std::int32_t m = m_n - s;
    std::size_t settled = 0;
    double roughThreshold = m_roughThresholds[m_waiting[settled]];
    m_candidates.Clear();
    // The chord to p[k - 1] as an offset from the start, and the one after it,
    // measured together with it in one pass over the candidates.
    Number ux = Difference<Number>(p[1].x, p[0].x);
    Number uy = Difference<Number>(p[1].y, p[0].y);
    Number nextX = 0;
    Number nextY = 0;
    Number nextLargest = 0;
    for (std::int32_t k = 3; k <= m; ++k) {
      m_candidates.Add(ux, uy);  // p[k - 2], the end of the chord before
      Number largest = nextLargest;
      if (k % 2 == 1) {
        ux = Difference<Number>(p[k - 1].x, p[0].x);
        uy = Difference<Number>(p[k - 1].y, p[0].y);
        const std::int32_t after = k < m ? k : k - 1;
        nextX = Difference<Number>(p[after].x, p[0].x);
        nextY = Difference<Number>(p[after].y, p[0].y);
        const std::array<Number, 2> both = m_candidates.LargestCrosses({ux, nextX}, {uy, nextY});
        // The next chord's newest point is this chord's end.
        const Number newest = nextX * uy - nextY * ux;
        largest = both[0];
        nextLargest = std::max(both[1], newest < 0 ? -newest : newest);
      } else {
        ux = nextX;
        uy = nextY;
      }
      // 0 for a closed chord (end on the start), whose test then holds for every
      // threshold, as the plain search's 0 <= 0 does.
      if (FallsShort(largest, ux * ux + uy * uy, roughThreshold)) continue;
      const Int128 cross = ToInt128(largest);
      const UInt128 d2 = SquaredDistance(p[0], p[k - 1]);
      const auto leaves = [&] {
        return LeavesChord(d2, m_thresholds[m_waiting[settled]], cross, 256, true);
      };
      if (!leaves()) continue;
      const std::int32_t j =
          p[k - 1] == p[0] ? FarthestPoint<Number>(p, k) : LatestAtCross(p, k, largest);
      do {
        Settle(m_waiting[settled++], s, j);
      } while (settled < m_waiting.size() && leaves());
      if (settled == m_waiting.size()) return;
      roughThreshold = m_roughThresholds[m_waiting[settled]];
    }
    while (settled < m_waiting.size()) Settle(m_waiting[settled++], s, m - 1);
  }

  void Settle(std::size_t chain, std::int32_t s, std::int32_t step) {
    const std::int32_t next = s + step;
    if (next >= m_n - 1) {
      Finish(chain, s);
      return;
    }
    m_corner(chain, next);
    WaitAt(chain, next);
  }

  // The final check of the last segment, from the chain's last corner to the
  // outline's end, and the end itself.
  void Finish(std::size_t chain, std::int32_t last) {
    const SeriesPoint* p = m_points + last;
    const std::int32_t m = m_n - last;
    const std::int32_t j = FinalFarthest(last);
    const bool split = LeavesChord(SquaredDistance(p[0], p[m - 1]), m_thresholds[chain],
                                   Cross(p[j], p[0], p[m - 1]), 512, false);
    const std::int32_t k = split ? j : m - 1;
    if (last + k < m_n - 1) m_corner(chain, last + k);
    m_corner(chain, m_n - 1);
  }

  // The farthest point of the last segment from a chain's last corner, found
  // once for all the chains that end there.
  std::int32_t FinalFarthest(std::int32_t last) {
    for (const auto& [from, farthest] : m_finalFarthest) {
      if (from == last) return farthest;
    }
    const std::int32_t farthest = FarthestPoint<Number>(m_points + last, m_n - last);
    m_finalFarthest.push_back({last, farthest});
    return farthest;
  }

  const SeriesPoint* m_points;
  std::int32_t m_n;
  const std::vector<UInt128>& m_thresholds;
  std::vector<double> m_roughThresholds;
  Corner m_corner;
  // The chains waiting at each point, as linked lists through m_nextWaiting.
  std::vector<std::int32_t> m_firstWaiting;
  std::vector<std::int32_t> m_nextWaiting;
  std::vector<std::size_t> m_waiting;
  std::vector<std::pair<std::int32_t, std::int32_t>> m_finalFarthest;
  HullCandidates<Number> m_candidates;
};

}  // namespace

void ForEachCorner(const SeriesPoint* points, std::int32_t n, std::span<const double> tolerances,
                   const CornerVisit& corner) {
  if (n <= 0 || points == nullptr) return;
  if (n == 1) {
    for (std::size_t t = 0; t < tolerances.size(); ++t) corner(t, points[0]);
    return;
  }
  // Tolerances of one threshold share one chain.
  std::vector<UInt128> thresholds;
  for (const double tolerance : tolerances) thresholds.push_back(SquaredThreshold(tolerance));
  std::vector<UInt128> chains = thresholds;
  std::sort(chains.begin(), chains.end());
  chains.erase(std::unique(chains.begin(), chains.end()), chains.end());
  std::vector<std::vector<std::size_t>> tolerancesOf(chains.size());
  for (std::size_t t = 0; t < thresholds.size(); ++t) {
    const auto chain =
        std::lower_bound(chains.begin(), chains.end(), thresholds[t]) - chains.begin();
    tolerancesOf[static_cast<std::size_t>(chain)].push_back(t);
  }
  const auto visit = [&](std::size_t chain, std::int32_t index) {
    for (const std::size_t t : tolerancesOf[chain]) corner(t, points[index]);
  };
  if (Span(points, n) < kDoubleExactSpan) {
    CornerWalk<double, decltype(visit)>(points, n, chains, visit).Run();
  } else {
    CornerWalk<Int128, decltype(visit)>(points, n, chains, visit).Run();
  }
}

}  // namespace kep
