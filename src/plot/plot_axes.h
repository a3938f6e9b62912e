#pragma once

#include <cstdint>

#include "draw/draw_context.h"

namespace kep {

inline constexpr std::int32_t kLinearScale = 0;
inline constexpr std::int32_t kLogLogScale = 1;

// Paints the frame of the plot area, the labelled ticks of both axes and the title
// into the client area of `dc`; the caller draws its data first, with the same
// geometry (see PlotGeometry). The ranges are in data units also on log-log plots,
// where they are replaced by their natural logarithms here. Leaves the selected pen
// as it found it.
void DrawPlotAxes(DrawContext& dc, std::int32_t margin, std::int32_t labelWidth, double yMax,
                  double yMin, double xMax, double xMin, std::int32_t logScale);

// The frame around a plot area, as one closed path one pixel outside the area on
// the left and on the right, with the selected pen.
void DrawPlotFrame(DrawContext& dc, std::int32_t margin, std::int32_t labelWidth);

}  // namespace kep
