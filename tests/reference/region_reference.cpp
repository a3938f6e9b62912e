#include "reference/region_reference.h"

#include <deque>
#include <utility>
#include <vector>

namespace kep::reference {

namespace {

// Every pixel of the region of (x, y), found breadth first without changing the image.
std::vector<std::pair<std::int32_t, std::int32_t>> Region(const ImageBuffer& image, std::int32_t x,
                                                          std::int32_t y, int connectivity) {
  std::vector<std::pair<std::int32_t, std::int32_t>> region;
  if (!image.Contains(x, y)) return region;
  const std::uint8_t value = image.GetPixel(x, y);
  std::vector<bool> seen(static_cast<std::size_t>(image.Width()) * image.Height(), false);
  const auto index = [&](std::int32_t px, std::int32_t py) {
    return static_cast<std::size_t>(py) * image.Width() + px;
  };
  std::deque<std::pair<std::int32_t, std::int32_t>> queue{{x, y}};
  seen[index(x, y)] = true;
  while (!queue.empty()) {
    const auto [px, py] = queue.front();
    queue.pop_front();
    region.emplace_back(px, py);
    for (std::int32_t dy = -1; dy <= 1; ++dy) {
      for (std::int32_t dx = -1; dx <= 1; ++dx) {
        if ((dx == 0 && dy == 0) || (connectivity == 4 && dx != 0 && dy != 0)) continue;
        const std::int32_t nx = px + dx;
        const std::int32_t ny = py + dy;
        if (!image.Contains(nx, ny) || seen[index(nx, ny)] || image.GetPixel(nx, ny) != value) continue;
        seen[index(nx, ny)] = true;
        queue.emplace_back(nx, ny);
      }
    }
  }
  return region;
}

}  // namespace

std::int64_t FillRegion(ImageBuffer& image, std::int32_t x, std::int32_t y, std::uint8_t fillValue,
                        int connectivity) {
  if (!image.Contains(x, y) || image.GetPixel(x, y) == fillValue) return 0;
  const auto region = Region(image, x, y, connectivity);
  for (const auto& [px, py] : region) image.SetPixel(px, py, fillValue);
  return static_cast<std::int64_t>(region.size());
}

void RemoveSmallRegions(ImageBuffer& dst, std::uint8_t regionValue, std::uint8_t fillValue,
                        std::int32_t minSize, const ImageBuffer& src) {
  dst.CopyFrom(src);
  if (regionValue == fillValue) return;
  ImageBuffer visited;
  visited.CopyFrom(src);
  for (std::int32_t y = 0; y < src.Height(); ++y) {
    for (std::int32_t x = 0; x < src.Width(); ++x) {
      if (src.GetPixel(x, y) != regionValue || visited.GetPixel(x, y) != regionValue) continue;
      const auto region = Region(src, x, y, 4);
      for (const auto& [px, py] : region) visited.SetPixel(px, py, static_cast<std::uint8_t>(regionValue + 1));
      if (static_cast<std::int64_t>(region.size()) > minSize) continue;
      for (const auto& [px, py] : region) dst.SetPixel(px, py, fillValue);
    }
  }
}

}  // namespace kep::reference
