#include "plot/plot_axes.h"

#include <cmath>
#include <limits>

#include "fractal/three_decimal.h"
#include "plot/plot_geometry.h"
#include "plot/plot_labels.h"

namespace kep {
namespace {

// Tick lines are 5 pixels long; labels start one tick spacing of 25 pixels apart.
constexpr std::int32_t kTickLength = 5;
constexpr std::int32_t kTickSpacing = 25;

void DrawLine(DrawContext& dc, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
  dc.MoveTo(x0, y0);
  dc.LineTo(x1, y1);
}

std::int32_t XLabelRow(const PlotGeometry& plot) {
  return plot.Client().bottom - 2 * plot.Margin() / 3;
}

void DrawXTick(DrawContext& dc, const PlotGeometry& plot, std::int32_t column,
               const std::string& label) {
  dc.DrawText(column, XLabelRow(plot), label);
  DrawLine(dc, column, plot.AxisRow(), column, plot.AxisRow() + kTickLength);
}

void DrawLogXTicks(DrawContext& dc, const PlotGeometry& plot) {
  for (std::int32_t k = 0; k < plot.PlotWidth(); k += kTickSpacing) {
    const double value = std::exp(plot.X().min + k / plot.XScale());
    DrawXTick(dc, plot, plot.AreaLeft() + k, LogAxisLabel(value));
  }
}

// Whole-number ticks from the integer part of x.min, so that one tick falls about
// every 25 pixels (the step divides by the width less one more margin).
void DrawLinearXTicks(DrawContext& dc, const PlotGeometry& plot) {
  const PlotRange x = plot.X();
  if (!(x.min <= x.max)) return;
  const Rect& client = plot.Client();
  const double stepWidth =
      0.04 * (client.right - client.left - 3 * plot.Margin() - plot.LabelWidth());
  // A client area too narrow for the step gets its first tick only.
  const double step = stepWidth > 0.0 ? std::trunc((x.max - x.min) / stepWidth + 1.0)
                                      : std::numeric_limits<double>::infinity();
  for (double v = std::trunc(x.min); v <= x.max; v += step) {
    DrawXTick(dc, plot, plot.Column(v), FieldLabel(TruncateToInt(v)));
    if (v + step == v) break;  // far beyond 2^53 the step no longer moves v
  }
}

void DrawYTicks(DrawContext& dc, const PlotGeometry& plot, bool logLog) {
  const std::int32_t tickEnd = plot.AreaLeft() - kTickLength;
  for (std::int32_t k = 0; k < plot.PlotHeight(); k += kTickSpacing) {
    const double value = plot.Y().min + k / plot.YScale();
    const std::int32_t row = plot.AxisRow() - k;
    dc.DrawText(plot.Client().left + 2, row, logLog ? LogAxisLabel(std::exp(value)) : ThreeDecimal(value));
    DrawLine(dc, plot.AreaLeft(), row, tickEnd, row);
  }
}

void DrawTitle(DrawContext& dc, const PlotGeometry& plot, bool logLog) {
  const Rect& client = plot.Client();
  const std::int32_t centre = (client.left + client.right) / 2;
  const std::int32_t row = client.top + plot.Margin() / 2;
  if (logLog) {
    dc.DrawText(centre - 50, row, "X vs. Y (Log-Log)");
  } else {
    dc.DrawText(centre - 30, row, "X vs. Y");
  }
}

}  // namespace

void DrawPlotFrame(DrawContext& dc, std::int32_t margin, std::int32_t labelWidth) {
  const Rect client = dc.ClientRect();
  const std::int32_t left = client.left + margin + labelWidth - 1;
  const std::int32_t right = client.right - margin + 1;
  const std::int32_t top = client.top + margin;
  const std::int32_t bottom = client.bottom - margin;
  dc.MoveTo(left, bottom);
  dc.LineTo(right, bottom);
  dc.LineTo(right, top);
  dc.LineTo(left, top);
  dc.LineTo(left, bottom);
}

void DrawPlotAxes(DrawContext& dc, std::int32_t margin, std::int32_t labelWidth, double yMax,
                  double yMin, double xMax, double xMin, std::int32_t logScale) {
  const bool logLog = logScale != 0;
  if (logLog) {
    yMax = std::log(yMax);
    yMin = std::log(yMin);
    xMax = std::log(xMax);
    xMin = std::log(xMin);
  }
  const PlotGeometry plot(dc.ClientRect(), margin, labelWidth, WidenIfEmpty({xMin, xMax}),
                          WidenIfEmpty({yMin, yMax}));

  const Rgb callerPen = dc.SelectPen(kBlack);
  DrawPlotFrame(dc, margin, labelWidth);
  dc.SelectPen(kBlue);
  if (logLog) {
    DrawLogXTicks(dc, plot);
  } else {
    DrawLinearXTicks(dc, plot);
  }
  DrawYTicks(dc, plot, logLog);
  DrawTitle(dc, plot, logLog);
  dc.SelectPen(callerPen);
}

}  // namespace kep
