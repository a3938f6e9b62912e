#pragma once

#include <string>

#include "draw/draw_context.h"
#include "image/point_series.h"

namespace kep {

// The log-log plot of a data series: a small red cross at (ln x, ln y) for each
// point, then the axes. Points with x <= 0 or y <= 0 have no logarithm; they are
// left out of the plot and of its ranges. Draws nothing and returns false when no
// point is left.
bool DrawSeriesPlot(DrawContext& dc, const PointSeries& series);

// "(Fractal Dimension: 1.234)", by the three-decimal rule.
std::string DimensionCaption(double dimension);
// The caption centred above the plot area.
void DrawDimensionCaption(DrawContext& dc, double dimension);

// The project's plot of the current image: its series with the caption of its
// dimension. A series of fewer than two points draws nothing at all.
void DrawSingleImagePlot(DrawContext& dc, const PointSeries& series, double dimension);
// What the project's single-image plot shows before any image was measured.
void DrawNoSingleImageResult(DrawContext& dc);

}  // namespace kep
