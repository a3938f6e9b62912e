#include "fractal/box_counting.h"

#include <algorithm>
#include <limits>

#include "fractal/window_position.h"

namespace kep {

namespace {

std::int32_t ClampToInt32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

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

void MeasureBoxCounts(const FractalEngine& engine, PointSeries& points,
                      const BoxCountingView& view) {
  const std::int32_t step = engine.param3;
  if (engine.param1 < 1 || step < 1) return;
  const std::int64_t width = std::int64_t{engine.right} - engine.left;
  const std::int64_t height = std::int64_t{engine.bottom} - engine.top;
  for (std::int64_t s = engine.param1; s <= engine.param2; s += step) {
    const auto size = static_cast<std::int32_t>(s);
    if (view.beforeSize) view.beforeSize(size);
    std::int32_t count = 0;
    for (std::int64_t j = 0; j < width; j += s) {
      for (std::int64_t i = 0; i < height; i += s) {
        // The box's far corners may reach past the image, which the count stops at.
        const auto x0 = static_cast<std::int32_t>(engine.left + j);
        const auto y0 = static_cast<std::int32_t>(engine.top + i);
        const std::int32_t x1 = ClampToInt32(x0 + s - 1);
        const std::int32_t y1 = ClampToInt32(y0 + s - 1);
        if (engine.CountObjectPixels(x0, y0, x1, y1) == 0) continue;
        ++count;
        if (view.occupiedBox) view.occupiedBox(x0, y0, x1, y1);
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
