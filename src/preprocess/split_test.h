#pragma once

// The arithmetic of the corner search's split tests, exact for every 32-bit
// coordinate: whether an outline strays from a chord by a tolerance, and which
// point strays farthest.

#include <cmath>
#include <cstdint>
#include <limits>

#include "image/point_series.h"

namespace kep::split_test {

// The squared cross products outgrow 64 bits on images a few thousand pixels wide.
__extension__ using Int128 = __int128;
__extension__ using UInt128 = unsigned __int128;

inline Int128 Cross(const SeriesPoint& a, const SeriesPoint& b, const SeriesPoint& c) {
  return static_cast<Int128>(static_cast<std::int64_t>(b.x) - a.x) *
             (static_cast<std::int64_t>(c.y) - a.y) -
         static_cast<Int128>(static_cast<std::int64_t>(b.y) - a.y) *
             (static_cast<std::int64_t>(c.x) - a.x);
}

inline Int128 Magnitude(Int128 value) { return value < 0 ? -value : value; }
inline double Magnitude(double value) { return std::abs(value); }

inline UInt128 SquaredDistance(const SeriesPoint& a, const SeriesPoint& b) {
  const auto dx = static_cast<Int128>(static_cast<std::int64_t>(b.x) - a.x);
  const auto dy = static_cast<Int128>(static_cast<std::int64_t>(b.y) - a.y);
  return static_cast<UInt128>(dx * dx + dy * dy);
}

// a * b, or the largest value when the product does not fit (only for coordinates
// hundreds of millions of pixels apart).
inline UInt128 SaturatingProduct(UInt128 a, UInt128 b) {
  if ((a >> 64) == 0 && (b >> 64) == 0) return a * b;  // the common case, without dividing
  const UInt128 largest = ~static_cast<UInt128>(0);
  if (a != 0 && b > largest / a) return largest;
  return a * b;
}

// Whether the outline has strayed from the chord: d2 * threshold against
// cross^2 * scale, both exact (saturating only far beyond any image size).
inline bool LeavesChord(UInt128 d2, UInt128 threshold, Int128 cross, UInt128 scale, bool orEqual) {
  const auto c = static_cast<UInt128>(Magnitude(cross));
  const UInt128 left = SaturatingProduct(d2, threshold);
  const UInt128 right = SaturatingProduct(SaturatingProduct(c, c), scale);
  return orEqual ? left <= right : left < right;
}

// The same tried first in doubles, on |cross| and d2 below 2^53: each side is
// within a relative 2^-51 of its exact value (one rounding of 256 c^2, three of
// T d^2 and the margin), so a chord that falls short by more than the margin of
// 2^-40 falls short exactly too.
inline bool ClearlyFallsShort(double cross, double d2, double threshold) {
  return 256.0 * cross * cross < threshold * d2 * (1.0 - 0x1p-40);
}

// t = tolerance x 16 truncated toward zero, saturated to 32 bits; T = t squared.
inline UInt128 SquaredThreshold(double tolerance) {
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

// b - a as an offset in the arithmetic Number (double or Int128).
template <typename Number>
Number Offset(std::int32_t a, std::int32_t b) {
  return static_cast<Number>(std::int64_t{b} - a);
}

// An integer held in a double below 2^53 goes through 64 bits: the direct
// conversion to 128 bits is a slow library call.
inline Int128 ToInt128(double value) { return static_cast<std::int64_t>(value); }
inline Int128 ToInt128(Int128 value) { return value; }

// The point among p[1 .. k-2] farthest from the chord p[0]..p[k-1], or from p[0]
// when the chord is a single point; ties go to the later index. 0 for k <= 2.
// Number must hold the products exactly.
template <typename Number>
std::int32_t FarthestPoint(const SeriesPoint* p, std::int32_t k) {
  std::int32_t best = 0;
  Number bestMeasure = 0;
  const bool closed = p[k - 1] == p[0];
  const Number ux = Offset<Number>(p[0].x, p[k - 1].x);
  const Number uy = Offset<Number>(p[0].y, p[k - 1].y);
  for (std::int32_t i = 1; i <= k - 2; ++i) {
    const Number vx = Offset<Number>(p[0].x, p[i].x);
    const Number vy = Offset<Number>(p[0].y, p[i].y);
    const Number measure = closed ? vx * vx + vy * vy : Magnitude(ux * vy - uy * vx);
    if (best == 0 || measure >= bestMeasure) {
      best = i;
      bestMeasure = measure;
    }
  }
  return best;
}

// The same when the chord is not a single point and `largest` is the largest
// |cross| with it there is: the latest point that has it.
template <typename Number>
std::int32_t LatestAtCross(const SeriesPoint* p, std::int32_t k, Number largest) {
  const Number ux = Offset<Number>(p[0].x, p[k - 1].x);
  const Number uy = Offset<Number>(p[0].y, p[k - 1].y);
  std::int32_t i = k - 2;
  while (i > 1 && Magnitude(ux * Offset<Number>(p[0].y, p[i].y) -
                            uy * Offset<Number>(p[0].x, p[i].x)) != largest) {
    --i;
  }
  return i;
}

}  // namespace kep::split_test
