#pragma once

#include <vector>

#include "draw/draw_context.h"

namespace kep {

// The project's plot of each measured image's fractal dimension against its image
// number: a large red cross per image whose dimension is not the failure value
// -1.0, then linear axes. Failed images widen only the x range. Without results
// (either list empty, or lists of different lengths) it draws its two texts.
void DrawDimensionPlot(DrawContext& dc, const std::vector<double>& imageNumbers,
                       const std::vector<double>& dimensions);

}  // namespace kep
