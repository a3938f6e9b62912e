#include "plot/plot_markers.h"

namespace kep {
namespace {

// A line ends before its end point, so the arm reaches `after - 1` pixels past the
// centre and `before` pixels ahead of it.
void DrawCross(DrawContext& dc, std::int32_t column, std::int32_t row, std::int32_t before,
               std::int32_t after) {
  dc.MoveTo(column - before, row);
  dc.LineTo(column + after, row);
  dc.MoveTo(column, row - before);
  dc.LineTo(column, row + after);
}

}  // namespace

void DrawLargeCross(DrawContext& dc, std::int32_t column, std::int32_t row) {
  DrawCross(dc, column, row, 2, 3);
}

void DrawSmallCross(DrawContext& dc, std::int32_t column, std::int32_t row) {
  DrawCross(dc, column, row, 1, 2);
}

}  // namespace kep
