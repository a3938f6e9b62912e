#include <algorithm>
#include <cstring>
#include <vector>

#include "preprocess/flood_fill.h"
#include "preprocess/pixel_scan.h"

namespace kep {

namespace {

// Spans painted but whose neighbour rows are still to be searched; its own work
// area, so that an 8-connected fill leaves the 4-connected fill's state alone.
thread_local std::vector<FillSpan> t_pending;

// Extends a seed-valued pixel at x of the row to its whole run.
FillSpan RunAround(const std::uint8_t* line, std::int32_t width, std::int32_t row, std::int32_t x,
                   std::uint8_t seed) {
  std::int32_t start = x;
  while (start > 0 && line[start - 1] == seed) --start;
  return FillSpan{start, row, EndOfRun(line, x + 1, width, seed)};
}

// The sums a region's pixel count, centroid and bounding box are made of, span
// by span.
struct RegionSums {
  std::int64_t area = 0;
  std::int64_t sumX = 0;
  std::int64_t sumY = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  void Add(const FillSpan& span) {
    const std::int64_t length = span.xEnd - span.xStart;
    if (area == 0) {
      left = span.xStart;
      right = span.xEnd - 1;
      top = bottom = span.y;
    }
    area += length;
    // x from xStart to xEnd - 1: length times their mean, an exact integer.
    sumX += (std::int64_t{span.xStart} + span.xEnd - 1) * length / 2;
    sumY += std::int64_t{span.y} * length;
    left = std::min(left, span.xStart);
    right = std::max(right, span.xEnd - 1);
    top = std::min(top, span.y);
    bottom = std::max(bottom, span.y);
  }
};

void PaintAndPush(ImageBuffer& image, const FillSpan& span, std::uint8_t fillValue,
                  RegionSums& sums) {
  t_pending.push_back(span);
  sums.Add(span);
  std::memset(image.PixelAddress(span.xStart, span.y), fillValue,
              static_cast<std::size_t>(span.xEnd - span.xStart));
}

// Every run of the row that touches the parent's columns or its diagonal corners.
void SearchRow(ImageBuffer& image, std::int32_t row, const FillSpan& parent, std::uint8_t seed,
               std::uint8_t fillValue, RegionSums& sums) {
  const std::uint8_t* line = image.PixelAddress(0, row);
  const std::int32_t width = image.Width();
  const std::int32_t end = std::min(width, parent.xEnd + 1);
  std::int32_t x = std::max(0, parent.xStart - 1);
  while ((x = FindValue(line, x, end, seed)) < end) {
    const FillSpan run = RunAround(line, width, row, x, seed);
    PaintAndPush(image, run, fillValue, sums);
    x = run.xEnd;
  }
}

}  // namespace

void FloodFill8(ImageBuffer& image, std::int32_t x, std::int32_t y, std::uint8_t fillValue,
                ParticleRegion* region) {
  if (!image.Contains(x, y)) return;
  const std::uint8_t seed = *image.PixelAddress(x, y);
  if (seed == fillValue) return;
  t_pending.clear();
  RegionSums sums;
  PaintAndPush(image, RunAround(image.PixelAddress(0, y), image.Width(), y, x, seed), fillValue,
               sums);
  while (!t_pending.empty()) {
    const FillSpan parent = t_pending.back();
    t_pending.pop_back();
    if (parent.y > 0) SearchRow(image, parent.y - 1, parent, seed, fillValue, sums);
    if (parent.y + 1 < image.Height())
      SearchRow(image, parent.y + 1, parent, seed, fillValue, sums);
  }
  if (region == nullptr) return;
  region->seed = {x, y};
  region->left = sums.left;
  region->top = sums.top;
  region->right = sums.right;
  region->bottom = sums.bottom;
  region->area = sums.area;
  region->centroidX = static_cast<double>(sums.sumX) / static_cast<double>(sums.area);
  region->centroidY = static_cast<double>(sums.sumY) / static_cast<double>(sums.area);
}

}  // namespace kep
