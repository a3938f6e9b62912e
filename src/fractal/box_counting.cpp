#include "fractal/box_counting.h"

#include <algorithm>
#include <vector>

#include "fractal/method_animation.h"
#include "fractal/outline_path.h"
#include "preprocess/pixel_scan.h"

namespace kep {

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

namespace {

// One occupied box filled in red, one pixel wider on every side than its window
// position.
void HighlightBox(const MethodAnimation& animation, std::int32_t x0, std::int32_t y0,
                  std::int32_t x1, std::int32_t y1) {
  const Rect box{ClampToInt32(std::int64_t{animation.ToWindowX(x0)} - 1),
                 ClampToInt32(std::int64_t{animation.ToWindowY(y0)} - 1),
                 ClampToInt32(std::int64_t{animation.ToWindowX(x1)} + 1),
                 ClampToInt32(std::int64_t{animation.ToWindowY(y1)} + 1)};
  animation.Window().FillRect(box, kRed);
}

// For each size the grid of boxes in green and the occupied boxes in red, shown
// for a second; the outline image then wipes them out.
BoxCountingView AnimatedView(const FractalEngine& engine, const MethodAnimation& animation) {
  DrawContext& window = animation.Window();
  BoxCountingView view;
  view.beforeSize = [&engine, &animation, &window](std::int32_t size) {
    window.SelectPen(kGreen);
    for (std::int64_t y = engine.top; y <= engine.bottom; y += size) {
      window.MoveTo(animation.ToWindowX(engine.left), animation.ToWindowY(y));
      window.LineTo(animation.ToWindowX(engine.right), animation.ToWindowY(y));
    }
    for (std::int64_t x = engine.left; x <= engine.right; x += size) {
      window.MoveTo(animation.ToWindowX(x), animation.ToWindowY(engine.top));
      window.LineTo(animation.ToWindowX(x), animation.ToWindowY(engine.bottom));
    }
    window.SelectPen(kRed);
  };
  view.occupiedBox = [&animation](std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                  std::int32_t y1) { HighlightBox(animation, x0, y0, x1, y1); };
  view.afterSize = [&animation, &window] {
    window.Flush();
    animation.PauseSeconds(1);
    animation.RedrawOutlineImage();
  };
  return view;
}

}  // namespace

void BoxCounting(const FractalEngine& engine, MethodRun& run) {
  if (run.animation == nullptr) {
    MeasureBoxCounts(engine, run.points);
    return;
  }
  DrawContext& window = run.animation->Window();
  const Rgb previousPen = window.SelectPen(kRed);
  MeasureBoxCounts(engine, run.points, AnimatedView(engine, *run.animation));
  window.SelectPen(previousPen);
  window.Flush();
}

}  // namespace kep
