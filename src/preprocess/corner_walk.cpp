#include "preprocess/corner_walk.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <vector>

#include "preprocess/hull_candidates.h"
#include "preprocess/split_test.h"
#include "services/stop_request.h"

namespace kep {

namespace {

using split_test::Int128;
using split_test::Offset;
using split_test::UInt128;

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

// The corner search for several thresholds at once. For one threshold the
// search runs from the current corner s along the outline: for k = 3, 4, ... the
// chord from s to the (k-1)-th point after it is tested against the farthest of
// the points between; at the first k whose test holds, the farthest point is the
// next corner. The test of a chord holds for every threshold up to some value
// and for none beyond, so one search from s settles all the thresholds whose
// chains of corners stand at s, the smallest first. The chains wait at their
// next corner for the search from there; as every corner lies after the one
// before, the searches go from the first point to the last.
//
// Exactness: the farthest point's |cross| with the chord is the largest over the
// points between, which HullCandidates gives exactly; the split test compares it
// as the plain search does, and at a chord whose test holds, the plain rule (ties
// to the later point) picks the corner from all the points between.
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
      if (s % 4096 == 0) StopPoint();
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
  // Chords measured in one pass over the candidates: fewer passes, each a little
  // longer, cost less than one pass per chord.
  static constexpr std::size_t kChordsPerPass = 4;

  void WaitAt(std::size_t chain, std::int32_t index) {
    m_nextWaiting[chain] = m_firstWaiting[static_cast<std::size_t>(index)];
    m_firstWaiting[static_cast<std::size_t>(index)] = static_cast<std::int32_t>(chain);
  }

  // The split search from corner s for the chains in m_waiting.
  void SearchFrom(std::int32_t s) {
    const SeriesPoint* p = m_points + s;
    const std::int32_t m = m_n - s;
    std::size_t settled = 0;
    m_candidates.Clear();
    std::int32_t passFirst = 3 - static_cast<std::int32_t>(kChordsPerPass);  // no pass yet
    for (std::int32_t k = 3; k <= m; ++k) {
      m_candidates.Add(Offset<Number>(p[0].x, p[k - 2].x), Offset<Number>(p[0].y, p[k - 2].y));
      if (k == passFirst + static_cast<std::int32_t>(kChordsPerPass)) {
        MeasureChords(p, k, m);
        passFirst = k;
      }
      const auto chord = static_cast<std::size_t>(k - passFirst);
      // 0 for a closed chord (end on the start), whose test then holds for every
      // threshold, as the plain search's 0 <= 0 does.
      const Number largest = m_largest[chord];
      if constexpr (std::is_same_v<Number, double>) {
        const double d2 = m_chordX[chord] * m_chordX[chord] + m_chordY[chord] * m_chordY[chord];
        if (split_test::ClearlyFallsShort(largest, d2, m_roughThresholds[m_waiting[settled]])) {
          continue;
        }
      }
      const UInt128 d2 = split_test::SquaredDistance(p[0], p[k - 1]);
      const auto leaves = [&] {
        return split_test::LeavesChord(d2, m_thresholds[m_waiting[settled]],
                                       split_test::ToInt128(largest), 256, true);
      };
      if (!leaves()) continue;
      const std::int32_t j = p[k - 1] == p[0] ? split_test::FarthestPoint<Number>(p, k)
                                              : split_test::LatestAtCross(p, k, largest);
      do {
        Settle(m_waiting[settled++], s, j);
      } while (settled < m_waiting.size() && leaves());
      if (settled == m_waiting.size()) return;
    }
    while (settled < m_waiting.size()) Settle(m_waiting[settled++], s, m - 1);
  }

  // The chords from p[0] to p[k - 1], p[k], ... (up to p[m - 1]) and their largest
  // |cross| with the points between, one pass over the candidates (the points up
  // to p[k - 2]) for all; a later chord's further points are the earlier chords'
  // ends.
  void MeasureChords(const SeriesPoint* p, std::int32_t k, std::int32_t m) {
    for (std::size_t c = 0; c < kChordsPerPass; ++c) {
      const std::int32_t end = std::min(k - 1 + static_cast<std::int32_t>(c), m - 1);
      m_chordX[c] = Offset<Number>(p[0].x, p[end].x);
      m_chordY[c] = Offset<Number>(p[0].y, p[end].y);
    }
    m_largest = m_candidates.template LargestCrosses<kChordsPerPass>(m_chordX, m_chordY);
    for (std::size_t c = 1; c < kChordsPerPass; ++c) {
      for (std::size_t before = 0; before < c; ++before) {
        const Number cross = m_chordX[c] * m_chordY[before] - m_chordY[c] * m_chordX[before];
        m_largest[c] = std::max(m_largest[c], cross < 0 ? -cross : cross);
      }
    }
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
    const bool split =
        split_test::LeavesChord(split_test::SquaredDistance(p[0], p[m - 1]), m_thresholds[chain],
                                split_test::Cross(p[j], p[0], p[m - 1]), 512, false);
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
    const std::int32_t farthest = split_test::FarthestPoint<Number>(m_points + last, m_n - last);
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
  std::vector<std::size_t> m_waiting;  // at the point searched from, by threshold
  std::vector<std::pair<std::int32_t, std::int32_t>> m_finalFarthest;
  HullCandidates<Number> m_candidates;
  // The chords of the last pass, as offsets from the start, and their largest |cross|.
  std::array<Number, kChordsPerPass> m_chordX{};
  std::array<Number, kChordsPerPass> m_chordY{};
  std::array<Number, kChordsPerPass> m_largest{};
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
  for (const double tolerance : tolerances) {
    thresholds.push_back(split_test::SquaredThreshold(tolerance));
  }
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
