#include "fractal/box_counting.h"

#include <algorithm>
#include <vector>

#include "fractal/outline_path.h"
#include "fractal/window_position.h"
#include "preprocess/pixel_scan.h"

namespace kep {

std::int32_t FractalEngine::CountObjectPixels(std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                              std::int32_t y1) const {
  const std::int64_t xEnd = std::min<std::int64_t>(x1, outlineImage.Width() - 1);
  const std::int64_t yEnd = std::min<std::int64_t>(y1, outlineImage.Height() - 1);
  std::int32_t count = 0;
  for (std::int64_t x = std::max(x0, 0); x <= xEnd; ++x) {
    for (std::int64_t y = std::max(y0, 0); y <= yEnd; ++y) {
      if (IsObject(*outlineImage.PixelAddress(static_cast<std::int32_t>(x),
                                              static_cast<std::int32_t>(y)))) {
        ++count;
      }
    }
  }
  return count;
}

void FractalEngine::HighlightBox(DrawContext* window, std::int32_t x0, std::int32_t y0,
                                 std::int32_t x1, std::int32_t y1) {
  if (window == nullptr) return;
  const Rect client = window->ClientRect();
  const double sx = (static_cast<double>(client.right) - client.left) / outlineImage.Width();
  const double sy = (static_cast<double>(client.bottom) - client.top) / outlineImage.Height();
  // One pixel wider on every side than the box's window position.
  const Rect box{ClampToInt32(std::int64_t{ScaleToWindow(x0, sx)} - 1),
                 ClampToInt32(std::int64_t{ScaleToWindow(y0, sy)} - 1),
                 ClampToInt32(std::int64_t{ScaleToWindow(x1, sx)} + 1),
                 ClampToInt32(std::int64_t{ScaleToWindow(y1, sy)} + 1)};
  window->FillRect(box, kRed);
}

namespace {

// For each pixel column (or row) of the covered area, counted from `first`, the
// index of the box column (row) of size `size` that holds it, or the number of
// boxes beyond the last one: boxes start at `origin`, origin + size, ... while
// below origin + extent.
void IndexBoxes(std::int64_t origin, std::int64_t extent, std::int64_t size, std::int64_t first,
                std::vector<std::int32_t>& boxOf) {
  const std::int64_t boxes = (extent + size - 1) / size;
  std::int64_t box = (first - origin) / size;
  std::int64_t inBox = (first - origin) % size;
  for (std::int32_t& entry : boxOf) {
    entry = static_cast<std::int32_t>(std::min(box, boxes));
    if (++inBox == size) {
      inBox = 0;
      ++box;
    }
  }
}

// Counts the marked boxes of a row of boxes and clears the marks; lists them for
// the view. The last entry stands for the pixels beyond the last box column.
std::int32_t TakeBoxRow(std::vector<std::uint8_t>& marks, std::int32_t boxRow,
                        std::vector<SeriesPoint>* boxes) {
  std::int32_t count = 0;
  for (std::size_t bx = 0; bx + 1 < marks.size(); ++bx) count += marks[bx];
  for (std::size_t bx = 0; boxes != nullptr && bx + 1 < marks.size(); ++bx) {
    if (marks[bx] != 0) boxes->push_back({static_cast<std::int32_t>(bx), boxRow});
  }
  std::fill(marks.begin(), marks.end(), std::uint8_t{0});
  return count;
}

// The object pixels of the area the boxes cover, row by row: the columns of row r
// (counted from the area's first row and column) are columns[rowStart[r]] ..
// columns[rowStart[r + 1] - 1].
struct PixelRows {
  std::vector<std::int32_t> columns;
  std::vector<std::size_t> rowStart;
};

// The boxes of one size that hold an object pixel. The boxes of one row of boxes
// are marked together and counted when the rows move on to the next row of boxes.
std::int32_t CountOccupiedBoxes(const PixelRows& pixels, const std::vector<std::int32_t>& columnBox,
                                const std::vector<std::int32_t>& rowBox, std::int32_t boxRows,
                                std::vector<std::uint8_t>& marks, std::vector<SeriesPoint>* boxes) {
  std::int32_t count = 0;
  std::int32_t boxRow = 0;
  for (std::size_t r = 0; r + 1 < pixels.rowStart.size(); ++r) {
    if (rowBox[r] != boxRow) {
      count += TakeBoxRow(marks, boxRow, boxes);
      boxRow = rowBox[r];
      // The rows below the last row of boxes come last.
      if (boxRow == boxRows) return count;
    }
    // Restricted: a byte store could otherwise change the other arrays.
    std::uint8_t* __restrict mark = marks.data();
    const std::int32_t* boxOf = columnBox.data();
    const std::int32_t* columns = pixels.columns.data();
    for (std::size_t i = pixels.rowStart[r]; i < pixels.rowStart[r + 1]; ++i) {
      mark[boxOf[columns[i]]] = 1;
    }
  }
  return count + TakeBoxRow(marks, boxRow, boxes);
}

}  // namespace

// The image is read once, for the object pixels of the area that any box
// covers; each size then only marks the boxes of those pixels.
void MeasureBoxCounts(const FractalEngine& engine, PointSeries& points,
                      const BoxCountingView& view) {
  const std::int32_t step = engine.param3;
  if (engine.param1 < 1 || step < 1) return;
  const ImageBuffer& image = engine.outlineImage;
  const std::int64_t width = std::int64_t{engine.right} - engine.left;
  const std::int64_t height = std::int64_t{engine.bottom} - engine.top;
  // A box of size s reaches at most s - 1 pixels past the last offset below the
  // extent; boxes are clipped to the image.
  const std::int64_t largest = std::max(engine.param1, engine.param2);
  const std::int64_t x0 = std::max<std::int64_t>(engine.left, 0);
  const std::int64_t y0 = std::max<std::int64_t>(engine.top, 0);
  const std::int64_t x1 =
      std::min<std::int64_t>(engine.left + width + largest - 2, image.Width() - 1);
  const std::int64_t y1 =
      std::min<std::int64_t>(engine.top + height + largest - 2, image.Height() - 1);
  PixelRows pixels;
  if (width > 0 && height > 0 && x0 <= x1 && y0 <= y1) {
    pixels.rowStart.assign(static_cast<std::size_t>(y1 - y0 + 2), 0);
    ForEachPixelOfValue(image, static_cast<std::uint8_t>(engine.objectValue),
                        static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y0),
                        static_cast<std::int32_t>(x1), static_cast<std::int32_t>(y1),
                        [&](std::int32_t x, std::int32_t y) {
                          pixels.columns.push_back(static_cast<std::int32_t>(x - x0));
                          ++pixels.rowStart[static_cast<std::size_t>(y - y0) + 1];
                        });
    for (std::size_t r = 1; r < pixels.rowStart.size(); ++r) {
      pixels.rowStart[r] += pixels.rowStart[r - 1];
    }
  }
  const bool anyPixel = !pixels.columns.empty();
  std::vector<std::int32_t> columnBox(anyPixel ? static_cast<std::size_t>(x1 - x0 + 1) : 0);
  std::vector<std::int32_t> rowBox(anyPixel ? static_cast<std::size_t>(y1 - y0 + 1) : 0);
  std::vector<std::uint8_t> marks;
  std::vector<SeriesPoint> boxes;  // box columns and rows, kept for the view only
  for (std::int64_t s = engine.param1; s <= engine.param2; s += step) {
    const auto size = static_cast<std::int32_t>(s);
    if (view.beforeSize) view.beforeSize(size);
    std::int32_t count = 0;
    if (anyPixel) {
      IndexBoxes(engine.left, width, s, x0, columnBox);
      IndexBoxes(engine.top, height, s, y0, rowBox);
      marks.assign(static_cast<std::size_t>((width + s - 1) / s) + 1, 0);
      boxes.clear();
      count = CountOccupiedBoxes(pixels, columnBox, rowBox,
                                 static_cast<std::int32_t>((height + s - 1) / s), marks,
                                 view.occupiedBox ? &boxes : nullptr);
      // The view sees the boxes column by column, as a scan of the columns of boxes would.
      std::sort(boxes.begin(), boxes.end(), [](const SeriesPoint& a, const SeriesPoint& b) {
        return a.x != b.x ? a.x < b.x : a.y < b.y;
      });
      for (const SeriesPoint& box : boxes) {
        const std::int64_t bx0 = engine.left + box.x * s;
        const std::int64_t by0 = engine.top + box.y * s;
        view.occupiedBox(static_cast<std::int32_t>(bx0), static_cast<std::int32_t>(by0),
                         ClampToInt32(bx0 + s - 1), ClampToInt32(by0 + s - 1));
      }
    }
    points.Append(size, std::max(count, 1));
    if (view.afterSize) view.afterSize();
  }
}

void FractalEngine::BoxCounting(DrawContext* window) {
  BoxCountingView view;
  Rgb previousPen;
  if (window != nullptr) {
    BeginAnimation(window);
    previousPen = window->SelectPen(kRed);
    view.beforeSize = [this, window](std::int32_t size) {
      window->SelectPen(kGreen);
      for (std::int64_t y = top; y <= bottom; y += size) {
        window->MoveTo(ToWindowX(left), ToWindowY(static_cast<std::int32_t>(y)));
        window->LineTo(ToWindowX(right), ToWindowY(static_cast<std::int32_t>(y)));
      }
      for (std::int64_t x = left; x <= right; x += size) {
        window->MoveTo(ToWindowX(static_cast<std::int32_t>(x)), ToWindowY(top));
        window->LineTo(ToWindowX(static_cast<std::int32_t>(x)), ToWindowY(bottom));
      }
      window->SelectPen(kRed);
    };
    view.occupiedBox = [this, window](std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                      std::int32_t y1) { HighlightBox(window, x0, y0, x1, y1); };
    // The grid and the boxes stay for a second; the outline image then wipes them out.
    view.afterSize = [this, window] {
      window->Flush();
      PauseSeconds(1);
      RedrawOutlineImage();
    };
  }
  MeasureBoxCounts(*this, *result, view);
  if (window != nullptr) {
    window->SelectPen(previousPen);
    EndAnimation();
  }
}

}  // namespace kep
