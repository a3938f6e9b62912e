#include "fractal/box_counting.h"

#include <algorithm>
#include <vector>

#include "fractal/method_animation.h"
#include "fractal/outline_path.h"
#include "preprocess/pixel_scan.h"

namespace kep {

namespace {

// For each pixel column (or row) of the box, the index of the box column (row) of
// size `size` that holds it.
void IndexBoxes(std::int32_t size, std::vector<std::int32_t>& boxOf) {
  std::int32_t box = 0;
  std::int32_t inBox = 0;
  for (std::int32_t& entry : boxOf) {
    entry = box;
    if (++inBox == size) {
      inBox = 0;
      ++box;
    }
  }
}

// Counts the marked boxes of a row of boxes and clears the marks; lists them for
// the view.
std::int32_t TakeBoxRow(std::vector<std::uint8_t>& marks, std::int32_t boxRow,
                        std::vector<SeriesPoint>* boxes) {
  std::int32_t count = 0;
  for (std::size_t bx = 0; bx < marks.size(); ++bx) count += marks[bx];
  for (std::size_t bx = 0; boxes != nullptr && bx < marks.size(); ++bx) {
    if (marks[bx] != 0) boxes->push_back({static_cast<std::int32_t>(bx), boxRow});
  }
  std::fill(marks.begin(), marks.end(), std::uint8_t{0});
  return count;
}

// The boxes of one size that hold an object pixel. The boxes of one row of boxes
// are marked together and counted when the rows move on to the next row of boxes.
std::int32_t CountOccupiedBoxes(const BoxPixels& pixels, const std::vector<std::int32_t>& columnBox,
                                const std::vector<std::int32_t>& rowBox,
                                std::vector<std::uint8_t>& marks, std::vector<SeriesPoint>* boxes) {
  std::int32_t count = 0;
  std::int32_t boxRow = 0;
  for (std::size_t r = 0; r + 1 < pixels.rowStart.size(); ++r) {
    if (rowBox[r] != boxRow) {
      count += TakeBoxRow(marks, boxRow, boxes);
      boxRow = rowBox[r];
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

BoxPixels CollectBoxPixels(const FractalEngine& engine) {
  BoxPixels pixels;
  if (engine.right < engine.left || engine.bottom < engine.top) return pixels;
  pixels.width = engine.right - engine.left + 1;
  pixels.height = engine.bottom - engine.top + 1;
  pixels.rowStart.assign(static_cast<std::size_t>(pixels.height) + 1, 0);
  ForEachPixelOfValue(engine.outlineImage, static_cast<std::uint8_t>(engine.objectValue),
                      engine.left, engine.top, engine.right, engine.bottom,
                      [&](std::int32_t x, std::int32_t y) {
                        pixels.columns.push_back(x - engine.left);
                        ++pixels.rowStart[static_cast<std::size_t>(y - engine.top) + 1];
                      });
  for (std::size_t r = 1; r < pixels.rowStart.size(); ++r) {
    pixels.rowStart[r] += pixels.rowStart[r - 1];
  }
  return pixels;
}

// The bounding box is read once, for its object pixels; each size then only
// marks the boxes of those pixels.
void MeasureBoxCounts(const FractalEngine& engine, PointSeries& points,
                      const BoxCountingView& view) {
  const BoxPixels pixels = CollectBoxPixels(engine);
  std::vector<std::int32_t> columnBox(static_cast<std::size_t>(pixels.width));
  std::vector<std::int32_t> rowBox(static_cast<std::size_t>(pixels.height));
  std::vector<std::uint8_t> marks;
  std::vector<SeriesPoint> boxes;  // box columns and rows, kept for the view only
  ForEachBoxSize(engine, [&](std::int32_t size) {
    if (view.beforeSize) view.beforeSize(size);
    IndexBoxes(size, columnBox);
    IndexBoxes(size, rowBox);
    marks.assign(static_cast<std::size_t>((std::int64_t{pixels.width} + size - 1) / size), 0);
    boxes.clear();
    const std::int32_t count =
        CountOccupiedBoxes(pixels, columnBox, rowBox, marks, view.occupiedBox ? &boxes : nullptr);
    // The view sees the boxes column by column, as a scan of the columns of boxes would.
    std::sort(boxes.begin(), boxes.end(), [](const SeriesPoint& a, const SeriesPoint& b) {
      return a.x != b.x ? a.x < b.x : a.y < b.y;
    });
    for (const SeriesPoint& box : boxes) {
      const std::int64_t bx0 = engine.left + std::int64_t{box.x} * size;
      const std::int64_t by0 = engine.top + std::int64_t{box.y} * size;
      view.occupiedBox(static_cast<std::int32_t>(bx0), static_cast<std::int32_t>(by0),
                       ClampToInt32(bx0 + size - 1), ClampToInt32(by0 + size - 1));
    }
    points.Append(size, std::max(count, 1));
    if (view.afterSize) view.afterSize();
  });
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
  if (engine.gridOffsets > 1) {
    MeasureBoxCountsOverGrids(engine, run.points);
    return;
  }
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
