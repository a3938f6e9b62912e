#include "preprocess/particle_regions.h"

#include <algorithm>

#include "preprocess/pixel_scan.h"
#include "services/stop_request.h"

namespace kep {

namespace {

// One bit per pixel of a window of an image, (x0, y0) its top-left pixel.
class PixelMarks {
 public:
  PixelMarks(std::int32_t x0, std::int32_t y0, std::int32_t width, std::int32_t height)
      : m_x0(x0),
        m_y0(y0),
        m_width(width),
        m_height(height),
        m_bits((static_cast<std::size_t>(width) * static_cast<std::size_t>(height) + 63) / 64, 0) {}

  bool Contains(std::int32_t x, std::int32_t y) const {
    return x >= m_x0 && x - m_x0 < m_width && y >= m_y0 && y - m_y0 < m_height;
  }
  bool Test(std::int32_t x, std::int32_t y) const {
    const std::size_t at = Index(x, y);
    return (m_bits[at / 64] >> (at % 64)) & 1;
  }
  void Set(std::int32_t x, std::int32_t y) {
    const std::size_t at = Index(x, y);
    m_bits[at / 64] |= std::uint64_t{1} << (at % 64);
  }

 private:
  std::size_t Index(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(y - m_y0) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x - m_x0);
  }

  std::int32_t m_x0;
  std::int32_t m_y0;
  std::int32_t m_width;
  std::int32_t m_height;
  std::vector<std::uint64_t> m_bits;
};

// Visits every pixel of the seed's 8-connected region of the value within the
// marks' window once, marking it; pixels already marked are not entered.
template <typename Visit>
void WalkRegion(const ImageBuffer& image, SeriesPoint seed, std::uint8_t value, PixelMarks& marks,
                std::vector<SeriesPoint>& pending, Visit visit) {
  pending.clear();
  marks.Set(seed.x, seed.y);
  pending.push_back(seed);
  while (!pending.empty()) {
    const SeriesPoint p = pending.back();
    pending.pop_back();
    visit(p);
    for (std::int32_t dy = -1; dy <= 1; ++dy) {
      for (std::int32_t dx = -1; dx <= 1; ++dx) {
        const std::int32_t x = p.x + dx;
        const std::int32_t y = p.y + dy;
        if (!marks.Contains(x, y) || *image.PixelAddress(x, y) != value || marks.Test(x, y)) {
          continue;
        }
        marks.Set(x, y);
        pending.push_back({x, y});
      }
    }
  }
}

}  // namespace

std::vector<ParticleRegion> FindParticleRegions(const ImageBuffer& image, std::uint8_t value) {
  std::vector<ParticleRegion> regions;
  PixelMarks marks(0, 0, image.Width(), image.Height());
  std::vector<SeriesPoint> pending;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    StopPoint();
    const std::uint8_t* row = image.PixelAddress(0, y);
    for (std::int32_t x = FindValue(row, 0, image.Width(), value); x < image.Width();
         x = FindValue(row, x + 1, image.Width(), value)) {
      if (marks.Test(x, y)) continue;
      ParticleRegion region;
      region.seed = {x, y};
      region.left = region.right = x;
      region.top = region.bottom = y;
      std::int64_t sumX = 0;
      std::int64_t sumY = 0;
      WalkRegion(image, {x, y}, value, marks, pending, [&](SeriesPoint p) {
        region.left = std::min(region.left, p.x);
        region.right = std::max(region.right, p.x);
        region.top = std::min(region.top, p.y);
        region.bottom = std::max(region.bottom, p.y);
        ++region.area;
        sumX += p.x;
        sumY += p.y;
      });
      region.centroidX = static_cast<double>(sumX) / static_cast<double>(region.area);
      region.centroidY = static_cast<double>(sumY) / static_cast<double>(region.area);
      regions.push_back(region);
    }
  }
  return regions;
}

void CutOutParticle(const ImageBuffer& image, const ParticleRegion& region, std::uint8_t value,
                    std::uint8_t background, std::int32_t x0, std::int32_t y0, ImageBuffer& cut) {
  for (std::int32_t y = 0; y < cut.Height(); ++y) {
    const std::uint8_t* from = image.PixelAddress(x0, y0 + y);
    std::uint8_t* to = cut.PixelAddress(0, y);
    for (std::int32_t x = 0; x < cut.Width(); ++x) to[x] = from[x] == value ? background : from[x];
  }
  // The particle lies within its bounding box, so within the cut.
  PixelMarks marks(x0, y0, cut.Width(), cut.Height());
  std::vector<SeriesPoint> pending;
  WalkRegion(image, region.seed, value, marks, pending,
             [&](SeriesPoint p) { *cut.PixelAddress(p.x - x0, p.y - y0) = value; });
}

}  // namespace kep
