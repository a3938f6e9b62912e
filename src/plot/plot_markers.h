#pragma once

#include <cstdint>

#include "draw/draw_context.h"

namespace kep {

// Crosses through the pixel (column, row), drawn with the selected pen: the large
// one 5 pixels in each direction, the small one 3.
void DrawLargeCross(DrawContext& dc, std::int32_t column, std::int32_t row);
void DrawSmallCross(DrawContext& dc, std::int32_t column, std::int32_t row);

}  // namespace kep
