#include "draw/bresenham_line.h"

#include <algorithm>

namespace kep {

namespace {

std::int64_t Sign(std::int64_t v) { return (v > 0) - (v < 0); }

std::uint64_t Magnitude(std::int64_t v) { return static_cast<std::uint64_t>(v < 0 ? -v : v); }

// The steps t in [begin, end) with 0 <= start + sign * t < limit, for sign -1 or 1.
BresenhamLine::StepRange Intersect(BresenhamLine::StepRange range, std::int64_t start,
                                   std::int64_t sign, std::int64_t limit) {
  const std::int64_t low = sign > 0 ? -start : start - limit + 1;
  const std::int64_t high = sign > 0 ? limit - start : start + 1;
  range.begin = std::max(range.begin, low);
  range.end = std::min(range.end, high);
  if (range.end < range.begin) range.end = range.begin;
  return range;
}

// The first step of the range at which a condition that never turns false again
// holds, or the end of the range.
template <typename Condition>
std::int64_t FirstStepWhere(BresenhamLine::StepRange range, Condition holds) {
  while (range.begin < range.end) {
    const std::int64_t middle = range.begin + (range.end - range.begin) / 2;
    if (holds(middle)) {
      range.end = middle;
    } else {
      range.begin = middle + 1;
    }
  }
  return range.begin;
}

}  // namespace

BresenhamLine::BresenhamLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1)
    : m_x0(x0), m_y0(y0) {
  const std::int64_t dx = static_cast<std::int64_t>(x1) - x0;
  const std::int64_t dy = static_cast<std::int64_t>(y1) - y0;
  m_stepX = Sign(dx);
  m_stepY = Sign(dy);
  m_xMajor = Magnitude(dx) >= Magnitude(dy);
  m_major = std::max(Magnitude(dx), Magnitude(dy));
  m_minor = std::min(Magnitude(dx), Magnitude(dy));
}

// Rounds step * minor / major to the nearest integer, halves down, which is the
// choice the incremental algorithm makes. Both factors are below 2^32, so the
// product fits in 64 bits.
std::int64_t BresenhamLine::MinorOffset(std::int64_t step) const {
  if (m_major == 0) return 0;
  const std::uint64_t product = static_cast<std::uint64_t>(step) * m_minor;
  const std::uint64_t quotient = product / m_major;
  const std::uint64_t remainder = product % m_major;
  return static_cast<std::int64_t>(quotient + (2 * remainder > m_major ? 1 : 0));
}

BresenhamLine::Pixel BresenhamLine::At(std::int64_t step) const {
  const std::int64_t minor = MinorOffset(step);
  if (m_xMajor) return {m_x0 + m_stepX * step, m_y0 + m_stepY * minor};
  return {m_x0 + m_stepX * minor, m_y0 + m_stepY * step};
}

BresenhamLine::StepRange BresenhamLine::VisibleSteps(std::int32_t width,
                                                     std::int32_t height) const {
  if (width <= 0 || height <= 0) return {};
  const std::int64_t majorStart = m_xMajor ? m_x0 : m_y0;
  const std::int64_t majorSign = m_xMajor ? m_stepX : m_stepY;
  const std::int64_t minorStart = m_xMajor ? m_y0 : m_x0;
  const std::int64_t minorSign = m_xMajor ? m_stepY : m_stepX;
  const std::int64_t majorLimit = m_xMajor ? width : height;
  const std::int64_t minorLimit = m_xMajor ? height : width;

  StepRange range{0, Steps()};
  if (range.end == 0) return {};
  range = Intersect(range, majorStart, majorSign, majorLimit);

  // The minor coordinate moves monotonically, so the steps where it lies inside
  // the area form one run; find its ends by bisection. A minor axis that does not
  // move (sign 0) has offset 0 at every step and is treated like a rising one.
  const std::int64_t lowOffset = minorSign < 0 ? minorStart - minorLimit + 1 : -minorStart;
  const std::int64_t highOffset = minorSign < 0 ? minorStart : minorLimit - 1 - minorStart;
  const std::int64_t begin =
      FirstStepWhere(range, [&](std::int64_t t) { return MinorOffset(t) >= lowOffset; });
  const std::int64_t end = FirstStepWhere(
      {begin, range.end}, [&](std::int64_t t) { return MinorOffset(t) > highOffset; });
  return {begin, end};
}

}  // namespace kep
