#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

namespace kep {

// Two doubles that GCC keeps in one SSE2 register and computes with at once.
using DoublePair = double __attribute__((vector_size(16)));

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

  // max |ux * y - uy * x| over every point added, for several directions u in
  // one pass; 0 when there is no point.
  template <std::size_t kChords>
  std::array<Number, kChords> LargestCrosses(const std::array<Number, kChords>& ux,
                                             const std::array<Number, kChords>& uy) const {
    std::array<Number, kChords> largest{};
    if constexpr (std::is_same_v<Number, double>) {
      // Two points at a time (the padding point completes the last pair): for each
      // direction the largest and the smallest cross product, whose magnitudes
      // give the largest magnitude.
      DoublePair most[kChords] = {};
      DoublePair least[kChords] = {};
      for (std::size_t i = 0; i < m_count; i += 2) {
        DoublePair x;
        DoublePair y;
        std::memcpy(&x, &m_x[i], sizeof x);
        std::memcpy(&y, &m_y[i], sizeof y);
        for (std::size_t chord = 0; chord < kChords; ++chord) {
          const DoublePair cross = ux[chord] * y - uy[chord] * x;
          most[chord] = most[chord] > cross ? most[chord] : cross;
          least[chord] = least[chord] < cross ? least[chord] : cross;
        }
      }
      for (std::size_t chord = 0; chord < kChords; ++chord) {
        const DoublePair magnitude = most[chord] > -least[chord] ? most[chord] : -least[chord];
        largest[chord] = std::max(magnitude[0], magnitude[1]);
      }
    } else {
      for (std::size_t i = 0; i < m_count; ++i) {
        for (std::size_t chord = 0; chord < kChords; ++chord) {
          const Number cross = ux[chord] * m_y[i] - uy[chord] * m_x[i];
          largest[chord] = std::max(largest[chord], cross < 0 ? -cross : cross);
        }
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

}  // namespace kep
