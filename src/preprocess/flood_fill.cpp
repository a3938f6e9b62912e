#include "preprocess/flood_fill.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "preprocess/pixel_scan.h"

namespace kep {

namespace {

// The work area of the 4-connected fill, one per thread. The span list and the
// stack keep their storage between fills.
struct FillState {
  ImageBuffer* image = nullptr;
  std::uint8_t seedValue = 0;
  std::uint8_t fillValue = 0;
  std::int32_t clipLeft = 0;
  std::int32_t clipTop = 0;
  std::int32_t clipRight = 0;
  std::int32_t clipBottom = 0;
  std::vector<FillSpan> spans;
  std::vector<FillSpan> stack;
  std::int32_t area = 0;
};

constexpr std::size_t kInitialSpanRoom = 2048;

thread_local FillState t_fill;

void PaintSpan(ImageBuffer& image, const FillSpan& span, std::uint8_t value) {
  std::memset(image.PixelAddress(span.xStart, span.y), value,
              static_cast<std::size_t>(span.xEnd - span.xStart));
}

// Appends the span to the list, pushes it for searching and paints it at once, so
// that no pixel is found twice. Out of memory, nothing of that happens.
void RecordSpan(FillState& fill, const FillSpan& span) {
  if (fill.spans.capacity() == 0) fill.spans.reserve(kInitialSpanRoom);
  fill.spans.push_back(span);
  try {
    fill.stack.push_back(span);
  } catch (const std::bad_alloc&) {
    fill.spans.pop_back();
    throw;
  }
  fill.area += span.xEnd - span.xStart;
  PaintSpan(*fill.image, span, fill.fillValue);
}

// Finds the first span of seed-valued pixels in [start, end) of row `row`; a span
// starting at `start` itself is first extended to the left. Returns false when the
// range holds no seed-valued pixel.
bool FindFirstSpan(const FillState& fill, std::int32_t row, std::int32_t start, std::int32_t end,
                   FillSpan& found) {
  const std::uint8_t* line = fill.image->PixelAddress(0, row);
  const std::uint8_t seed = fill.seedValue;
  if (line[start] != seed) {
    start = FindValue(line, start, end, seed);
    if (start >= end) return false;
  } else {
    while (line[start] == seed && start > fill.clipLeft) --start;
    if (line[start] != seed) ++start;
  }
  found = FillSpan{start, row, EndOfRun(line, start + 1, fill.clipRight, seed)};
  return true;
}

// Records every span of row `row` that touches the parent's columns [pStart, pEnd).
void SearchRow(FillState& fill, std::int32_t row, std::int32_t pStart, std::int32_t pEnd) {
  FillSpan span;
  if (!FindFirstSpan(fill, row, pStart, pEnd, span)) return;
  const std::uint8_t* line = fill.image->PixelAddress(0, row);
  const std::uint8_t seed = fill.seedValue;
  for (;;) {
    RecordSpan(fill, span);
    if (span.xEnd >= pEnd) return;
    const std::int32_t x = FindValue(line, span.xEnd, pEnd, seed);
    if (x >= pEnd) return;
    span = FillSpan{x, row, EndOfRun(line, x + 1, fill.clipRight, seed)};
  }
}

}  // namespace

std::int32_t FloodFill(ImageBuffer& image, std::int32_t x, std::int32_t y, std::uint8_t fillValue,
                       std::int32_t marginX, std::int32_t marginY) {
  FillState& fill = t_fill;
  fill.image = &image;
  fill.seedValue = image.GetPixel(x, y);
  fill.fillValue = fillValue;
  fill.clipLeft = std::max(0, marginX);
  fill.clipTop = std::max(0, marginY);
  fill.clipRight = image.Width() - fill.clipLeft;
  fill.clipBottom = image.Height() - fill.clipTop;
  if (fill.clipLeft >= fill.clipRight || fill.fillValue == fill.seedValue ||
      fill.clipTop >= fill.clipBottom || x < fill.clipLeft || x >= fill.clipRight ||
      y < fill.clipTop || y >= fill.clipBottom) {
    return 0;
  }
  fill.spans.clear();
  fill.area = 0;
  fill.stack.clear();
  try {
    FillSpan seed;
    FindFirstSpan(fill, y, x, x + 1, seed);
    RecordSpan(fill, seed);
    while (!fill.stack.empty()) {
      const FillSpan parent = fill.stack.back();
      fill.stack.pop_back();
      if (parent.y > fill.clipTop) SearchRow(fill, parent.y - 1, parent.xStart, parent.xEnd);
      if (parent.y < fill.clipBottom - 1) SearchRow(fill, parent.y + 1, parent.xStart, parent.xEnd);
    }
  } catch (const std::bad_alloc&) {
    // What was painted stays painted; the state describes exactly that.
    return 0;
  }
  return static_cast<std::int32_t>(fill.spans.size());
}

void RepaintLastFill(ImageBuffer& image, std::uint8_t value) {
  for (const FillSpan& span : t_fill.spans) PaintSpan(image, span, value);
}

std::int32_t LastFillArea() { return t_fill.area; }

}  // namespace kep
