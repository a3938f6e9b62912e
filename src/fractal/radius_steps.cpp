#include "fractal/radius_steps.h"

#include <algorithm>
#include <cmath>

namespace kep {

namespace {

// Squared distances up to this are looked up in a table.
constexpr std::uint64_t kTableLimit = 1 << 14;

// The smallest integer whose square is at least `squared`.
std::uint64_t CeilSqrt(std::uint64_t squared) {
  auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(squared)));
  // The square root in double can be one off either way for large values.
  while (root > 0 && (root - 1) * (root - 1) >= squared) --root;
  while (root * root < squared) ++root;
  return root;
}

}  // namespace

RadiusSteps::RadiusSteps(std::int64_t first, std::int64_t limit, std::int64_t step)
    : m_first(first), m_step(std::max<std::int64_t>(step, 1)) {
  if (first >= 1 && step >= 1 && first < limit) m_count = (limit - first + step - 1) / step;
  if (m_count == 0) return;
  const auto last = static_cast<std::uint64_t>(Radius(m_count - 1));
  m_table.resize(static_cast<std::size_t>(std::min(last * last, kTableLimit) + 1));
  std::int64_t index = 0;
  for (std::uint64_t squared = 0; squared < m_table.size(); ++squared) {
    while (index < m_count && static_cast<std::uint64_t>(Radius(index) * Radius(index)) < squared) {
      ++index;
    }
    m_table[squared] = static_cast<std::int32_t>(index);
  }
}

RadiusSteps::RadiusSteps(const ScaleRange& range) : RadiusSteps(range.from, range.to, range.step) {}

std::int64_t RadiusSteps::Compute(std::uint64_t squared) const {
  const std::uint64_t root = CeilSqrt(squared);
  const auto first = static_cast<std::uint64_t>(m_first);
  if (root <= first) return 0;
  const auto step = static_cast<std::uint64_t>(m_step);
  const std::uint64_t index = (root - first + step - 1) / step;
  return index < static_cast<std::uint64_t>(m_count) ? static_cast<std::int64_t>(index) : m_count;
}

std::int64_t RadiusSteps::CountReaching(std::uint64_t largestSquared) const {
  return std::min(m_count, FirstReaching(largestSquared) + 1);
}

}  // namespace kep
