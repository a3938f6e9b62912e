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

void PaintAndPush(ImageBuffer& image, const FillSpan& span, std::uint8_t fillValue) {
  t_pending.push_back(span);
  std::memset(image.PixelAddress(span.xStart, span.y), fillValue,
              static_cast<std::size_t>(span.xEnd - span.xStart));
}

// Every run of the row that touches the parent's columns or its diagonal corners.
void SearchRow(ImageBuffer& image, std::int32_t row, const FillSpan& parent, std::uint8_t seed,
               std::uint8_t fillValue) {
  const std::uint8_t* line = image.PixelAddress(0, row);
  const std::int32_t width = image.Width();
  const std::int32_t end = std::min(width, parent.xEnd + 1);
  std::int32_t x = std::max(0, parent.xStart - 1);
  while ((x = FindValue(line, x, end, seed)) < end) {
    const FillSpan run = RunAround(line, width, row, x, seed);
    PaintAndPush(image, run, fillValue);
    x = run.xEnd;
  }
}

}  // namespace

void FloodFill8(ImageBuffer& image, std::int32_t x, std::int32_t y, std::uint8_t fillValue) {
  if (!image.Contains(x, y)) return;
  const std::uint8_t seed = *image.PixelAddress(x, y);
  if (seed == fillValue) return;
  t_pending.clear();
  PaintAndPush(image, RunAround(image.PixelAddress(0, y), image.Width(), y, x, seed), fillValue);
  while (!t_pending.empty()) {
    const FillSpan parent = t_pending.back();
    t_pending.pop_back();
    if (parent.y > 0) SearchRow(image, parent.y - 1, parent, seed, fillValue);
    if (parent.y + 1 < image.Height()) SearchRow(image, parent.y + 1, parent, seed, fillValue);
  }
}

}  // namespace kep
