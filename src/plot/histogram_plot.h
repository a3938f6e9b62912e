#pragma once

#include <cstdint>

#include "draw/draw_context.h"
#include "image/image_buffer.h"

namespace kep {

// The grey-level histogram plot: a red bar one pixel wide per grey level 0..255,
// scaled so that the largest count reaches the top of the plot area, labelled ticks
// on both axes and the title. Counts that are all zero (an empty image) draw nothing.
void DrawHistogram(DrawContext& dc, const ImageBuffer::Histogram& counts);

// The black frame of the histogram's plot area, with room for the labels left of it;
// restores the pen it found.
void DrawHistogramFrame(DrawContext& dc, std::int32_t margin);

}  // namespace kep
