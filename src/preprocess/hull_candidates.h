#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kep {

// Points added one after another as offsets from a common origin, answering how
// far the farthest of them lies from a line through the origin: the largest
// |cross product| of the line's direction with a point. A linear function's
// extremes over a point set lie at vertices of its convex hull, so once many
// points have come, only those vertices are kept, with the points added since
// the hull was last taken. The hull is taken again once those outnumber its
// vertices (and a few dozen), so each point costs a logarithmic share of
// sorting, and each question one pass over fewer than twice the hull's vertices
// and a few dozen.
//
// Number is the scan's arithmetic: double while every offset stays below 2^26
// (the products and their differences are then integers below 2^53, exact in a
// double), 128-bit integers beyond.
template <typename Number>
class HullCandidates {
 public:
  HullCandidates() : m_x(kFewestAdded + kPadding + 1, 0), m_y(kFewestAdded + kPadding + 1, 0) {}

  void Clear() {
    m_count = 0;
    m_hullCount = 0;
    Pad();
  }

  void Add(Number x, Number y) {
    if (m_count + kPadding + 1 > m_x.size()) {
      m_x.resize(2 * m_x.size(), 0);
      m_y.resize(2 * m_y.size(), 0);
    }
    m_x[m_count] = x;
    m_y[m_count] = y;
    ++m_count;
    Pad();
    if (m_count - m_hullCount >= std::max(kFewestAdded, m_hullCount)) TakeHull();
  }

  // max |ux * y - uy * x| over every point added for two directions u at once
  // (two chords in one pass); 0 when there is no point.
  std::array<Number, 2> LargestCrosses(const std::array<Number, 2>& ux,
                                       const std::array<Number, 2>& uy) const {
    std::array<Number, 2> largest = {0, 0};
    for (std::size_t i = 0; i < m_count; ++i) {
      for (std::size_t chord = 0; chord < 2; ++chord) {
        const Number cross = ux[chord] * m_y[i] - uy[chord] * m_x[i];
        largest[chord] = std::max(largest[chord], cross < 0 ? -cross : cross);
      }
    }
    return largest;
  }

 private:
  // The hull is taken again only once this many points at least have been added.
  static constexpr std::size_t kFewestAdded = 64;
  // A point at the origin after the last, so that the scan can run in pairs.
  static constexpr std::size_t kPadding = 1;

  void Pad() {
    std::fill_n(m_x.begin() + static_cast<std::ptrdiff_t>(m_count), kPadding, Number{0});
    std::fill_n(m_y.begin() + static_cast<std::ptrdiff_t>(m_count), kPadding, Number{0});
  }

  struct Vertex {
    std::int64_t x;
    std::int64_t y;
  };
  void TakeHull();

  // The hull's vertices first, then the points added since, then the padding at
  // the origin, whose cross products 0 change no largest magnitude.
  std::vector<Number> m_x;
  std::vector<Number> m_y;
  std::size_t m_count = 0;
  std::size_t m_hullCount = 0;
  std::vector<Vertex> m_sorted;  // scratch of TakeHull
  std::vector<Vertex> m_chain;   // scratch of TakeHull
};

// Two doubles that GCC keeps in one SSE2 register and computes with at once.
using DoublePair = double __attribute__((vector_size(16)));

inline DoublePair MaxPair(DoublePair a, DoublePair b) { return a > b ? a : b; }

// The scan in doubles, two points at a time (the padding point completes the
// last pair): for each direction the largest and the smallest cross product,
// whose magnitudes give the largest magnitude.
template <>
inline std::array<double, 2> HullCandidates<double>::LargestCrosses(
    const std::array<double, 2>& ux, const std::array<double, 2>& uy) const {
  DoublePair largest[2] = {};
  DoublePair smallest[2] = {};
  for (std::size_t i = 0; i < m_count; i += 2) {
    DoublePair x;
    DoublePair y;
    std::memcpy(&x, &m_x[i], sizeof x);
    std::memcpy(&y, &m_y[i], sizeof y);
    for (std::size_t chord = 0; chord < 2; ++chord) {
      const DoublePair cross = ux[chord] * y - uy[chord] * x;
      largest[chord] = largest[chord] > cross ? largest[chord] : cross;
      smallest[chord] = smallest[chord] < cross ? smallest[chord] : cross;
    }
  }
  // Each chord's largest magnitude over its two lanes, both chords at once.
  const DoublePair first = MaxPair(largest[0], -smallest[0]);
  const DoublePair second = MaxPair(largest[1], -smallest[1]);
  const DoublePair most = MaxPair(__builtin_shufflevector(first, second, 0, 2),
                                  __builtin_shufflevector(first, second, 1, 3));
  return {most[0], most[1]};
}

}  // namespace kep
