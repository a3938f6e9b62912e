#pragma once

#include <cstdint>
#include <vector>

#include "fractal/scale_range.h"
#include "image/point_series.h"

namespace kep {

// The exact squared distance of two points, or the largest value when it does not
// fit in 64 bits.
inline std::uint64_t SquaredDistance(const SeriesPoint& a, const SeriesPoint& b) {
  const auto dx =
      static_cast<std::uint64_t>(a.x > b.x ? std::int64_t{a.x} - b.x : std::int64_t{b.x} - a.x);
  const auto dy =
      static_cast<std::uint64_t>(a.y > b.y ? std::int64_t{a.y} - b.y : std::int64_t{b.y} - a.y);
  const std::uint64_t sum = dx * dx + dy * dy;
  return sum < dx * dx ? ~std::uint64_t{0} : sum;
}

// The radii first, first + step, ... below a limit, and for a squared distance the
// first of them whose disc reaches it. The radius methods bucket each distance
// once under that radius and add the buckets up, instead of testing every
// distance against every radius.
class RadiusSteps {
 public:
  // No radius when first < 1, step < 1 or first >= limit.
  RadiusSteps(std::int64_t first, std::int64_t limit, std::int64_t step);
  // The radii of a method's scale range, none when it starts or steps below 1.
  explicit RadiusSteps(const ScaleRange& range);

  std::int64_t Count() const { return m_count; }
  std::int64_t Radius(std::int64_t index) const { return m_first + index * m_step; }

  // The index of the first radius r with r * r >= squared; Count() when none is
  // that large.
  std::int64_t FirstReaching(std::uint64_t squared) const {
    return squared < m_table.size() ? m_table[squared] : Compute(squared);
  }
  // How many radii can reach anything new when no distance exceeds the square
  // root of `largestSquared`: the radii after those all reach the same.
  std::int64_t CountReaching(std::uint64_t largestSquared) const;

 private:
  std::int64_t Compute(std::uint64_t squared) const;

  std::int64_t m_first = 0;
  std::int64_t m_step = 1;
  std::int64_t m_count = 0;
  // FirstReaching of the small squared distances, looked up rather than computed.
  std::vector<std::int32_t> m_table;
};

// Calls visit(radius, total) for every radius in order, total being the sum of the
// buckets of that radius and the ones before it (a radius past the buckets adds 0):
// what lies within each radius, from what lies first within each.
template <typename Count, typename Visit>
void ForEachCumulativeCount(const RadiusSteps& radii, const std::vector<Count>& buckets,
                            Visit visit) {
  Count total = 0;
  for (std::int64_t k = 0; k < radii.Count(); ++k) {
    if (k < static_cast<std::int64_t>(buckets.size())) {
      total += buckets[static_cast<std::size_t>(k)];
    }
    visit(static_cast<std::int32_t>(radii.Radius(k)), total);
  }
}

}  // namespace kep
