#pragma once

#include <cstdint>

namespace kep {

// The pixels of a line drawn from one point toward another, the end point itself
// excluded, as Bresenham's algorithm chooses them (on a tie the pixel nearer the
// start wins). Step t (0 <= t < Steps()) is the pixel t steps along the major
// axis. Any pixel can be computed directly, so a line reaching far outside a
// drawing area is clipped by visiting only the steps that land inside it.
class BresenhamLine {
 public:
  struct Pixel {
    std::int64_t x = 0;
    std::int64_t y = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
  };
  // Half-open range of steps.
  struct StepRange {
    std::int64_t begin = 0;
    std::int64_t end = 0;
  };

  BresenhamLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1);

  // Number of pixels painted: the longer of |dx| and |dy|; 0 for a zero-length line.
  std::int64_t Steps() const { return static_cast<std::int64_t>(m_major); }
  Pixel At(std::int64_t step) const;
  // The steps whose pixels lie in 0 <= x < width, 0 <= y < height.
  StepRange VisibleSteps(std::int32_t width, std::int32_t height) const;

 private:
  std::int64_t MinorOffset(std::int64_t step) const;

  std::int64_t m_x0;
  std::int64_t m_y0;
  std::int64_t m_stepX;  // -1, 0 or 1 per step along x
  std::int64_t m_stepY;
  bool m_xMajor;
  std::uint64_t m_major;  // |dx| or |dy|, whichever is larger; below 2^32
  std::uint64_t m_minor;
};

}  // namespace kep
