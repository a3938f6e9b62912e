#include "plot/dimension_plot.h"

#include <cstddef>

#include "fractal/fractal_engine.h"
#include "plot/no_result_texts.h"
#include "plot/plot_axes.h"
#include "plot/plot_geometry.h"
#include "plot/plot_markers.h"

namespace kep {
namespace {

struct DimensionRanges {
  PlotRange x;
  PlotRange y;
};

// The y range starts inverted (-1.0 up to 1000.0) and stays so when every image
// failed; failed images are recognised by an exact comparison with -1.0.
DimensionRanges FindRanges(const std::vector<double>& imageNumbers,
                           const std::vector<double>& dimensions) {
  DimensionRanges ranges{{imageNumbers[0], imageNumbers[0]}, {1000.0, kNoDimension}};
  for (std::size_t k = 0; k < dimensions.size(); ++k) {
    const double d = dimensions[k];
    if (d > ranges.y.max && d != kNoDimension) ranges.y.max = d;
    if (d < ranges.y.min && d != kNoDimension) ranges.y.min = d;
    const double n = imageNumbers[k];
    if (n > ranges.x.max) ranges.x.max = n;
    if (n < ranges.x.min) ranges.x.min = n;
  }
  return {WidenIfEmpty(ranges.x), WidenIfEmpty(ranges.y)};
}

}  // namespace

void DrawDimensionPlot(DrawContext& dc, const std::vector<double>& imageNumbers,
                       const std::vector<double>& dimensions) {
  if (imageNumbers.empty() || dimensions.empty() || imageNumbers.size() != dimensions.size()) {
    DrawNoResultTexts(dc, "Fractal Dimension vs. Image Number");
    return;
  }
  const DimensionRanges ranges = FindRanges(imageNumbers, dimensions);
  const PlotGeometry plot(dc.ClientRect(), kPlotMargin, kPlotLabelWidth, ranges.x, ranges.y);

  const Rgb callerPen = dc.SelectPen(kRed);
  for (std::size_t k = 0; k < dimensions.size(); ++k) {
    if (dimensions[k] == kNoDimension) continue;
    DrawLargeCross(dc, plot.Column(imageNumbers[k]), plot.Row(dimensions[k]));
  }
  DrawPlotAxes(dc, kPlotMargin, kPlotLabelWidth, ranges.y.max, ranges.y.min, ranges.x.max,
               ranges.x.min, kLinearScale);
  dc.SelectPen(callerPen);
}

}  // namespace kep
