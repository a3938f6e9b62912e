#include "preprocess/hull_candidates.h"

#include <algorithm>

namespace kep {

namespace {

__extension__ using Int128 = __int128;

}  // namespace

// Andrew's monotone chain over the kept points sorted by x, then y; points on a
// hull edge are dropped, as they are never the only extreme.
template <typename Number>
void HullCandidates<Number>::TakeHull() {
  m_sorted.clear();
  for (std::size_t i = 0; i < m_count; ++i) {
    m_sorted.push_back({static_cast<std::int64_t>(m_x[i]), static_cast<std::int64_t>(m_y[i])});
  }
  const auto before = [](const Vertex& a, const Vertex& b) {
    return a.x != b.x ? a.x < b.x : a.y < b.y;
  };
  const auto same = [](const Vertex& a, const Vertex& b) { return a.x == b.x && a.y == b.y; };
  std::sort(m_sorted.begin(), m_sorted.end(), before);
  m_sorted.erase(std::unique(m_sorted.begin(), m_sorted.end(), same), m_sorted.end());
  // Offsets are differences of 32-bit coordinates, so these products need 128 bits.
  const auto turnsLeft = [](const Vertex& a, const Vertex& b, const Vertex& c) {
    return static_cast<Int128>(b.x - a.x) * (c.y - a.y) -
               static_cast<Int128>(b.y - a.y) * (c.x - a.x) >
           0;
  };
  m_chain.clear();
  if (m_sorted.size() <= 2) {
    m_chain = m_sorted;
  } else {
    for (const Vertex& v : m_sorted) {  // lower hull, left to right
      while (m_chain.size() >= 2 && !turnsLeft(m_chain[m_chain.size() - 2], m_chain.back(), v))
        m_chain.pop_back();
      m_chain.push_back(v);
    }
    const std::size_t lower = m_chain.size();
    for (auto v = m_sorted.rbegin() + 1; v != m_sorted.rend(); ++v) {  // upper hull, right to left
      while (m_chain.size() > lower && !turnsLeft(m_chain[m_chain.size() - 2], m_chain.back(), *v))
        m_chain.pop_back();
      m_chain.push_back(*v);
    }
    m_chain.pop_back();  // the first point again
  }
  m_count = 0;
  for (const Vertex& v : m_chain) {
    m_x[m_count] = static_cast<Number>(v.x);
    m_y[m_count] = static_cast<Number>(v.y);
    ++m_count;
  }
  Pad();
  m_hullCount = m_count;
}

template class HullCandidates<double>;
__extension__ template class HullCandidates<__int128>;

}  // namespace kep
