#include "plot/series_plot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "fractal/three_decimal.h"
#include "plot/plot_axes.h"
#include "plot/plot_geometry.h"
#include "plot/plot_markers.h"
#include "plot/no_result_texts.h"

namespace kep {
namespace {

bool HasLogarithm(const SeriesPoint& point) { return point.x > 0 && point.y > 0; }

struct LogRanges {
  PlotRange x{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
  PlotRange y = x;
  bool empty = true;
};

LogRanges FindLogRanges(const PointSeries& series) {
  LogRanges ranges;
  for (const SeriesPoint& point : series) {
    if (!HasLogarithm(point)) continue;
    const double lx = std::log(point.x);
    const double ly = std::log(point.y);
    ranges.x = {std::min(ranges.x.min, lx), std::max(ranges.x.max, lx)};
    ranges.y = {std::min(ranges.y.min, ly), std::max(ranges.y.max, ly)};
    ranges.empty = false;
  }
  return ranges;
}

}  // namespace

bool DrawSeriesPlot(DrawContext& dc, const PointSeries& series) {
  const LogRanges ranges = FindLogRanges(series);
  if (ranges.empty) return false;
  const PlotRange x = WidenIfEmpty(ranges.x);
  const PlotRange y = WidenIfEmpty(ranges.y);
  const PlotGeometry plot(dc.ClientRect(), kPlotMargin, kPlotLabelWidth, x, y);

  const Rgb callerPen = dc.SelectPen(kRed);
  for (const SeriesPoint& point : series) {
    if (!HasLogarithm(point)) continue;
    DrawSmallCross(dc, plot.Column(std::log(point.x)), plot.Row(std::log(point.y)));
  }
  dc.SelectPen(callerPen);
  // The axes take data units and turn them back into these logarithms.
  DrawPlotAxes(dc, kPlotMargin, kPlotLabelWidth, std::exp(y.max), std::exp(y.min), std::exp(x.max),
               std::exp(x.min), kLogLogScale);
  return true;
}

std::string DimensionCaption(double dimension) {
  return "(Fractal Dimension: " + ThreeDecimal(dimension) + ")";
}

void DrawDimensionCaption(DrawContext& dc, double dimension) {
  const Rect client = dc.ClientRect();
  dc.DrawText((client.left + client.right) / 2 - 50, client.top + 30, DimensionCaption(dimension));
}

void DrawSingleImagePlot(DrawContext& dc, const PointSeries& series, double dimension) {
  if (series.Count() < 2) return;
  if (DrawSeriesPlot(dc, series)) DrawDimensionCaption(dc, dimension);
}

void DrawNoSingleImageResult(DrawContext& dc) {
  DrawNoResultTexts(dc, "Least Square Output (Log-Log)");
}

}  // namespace kep
