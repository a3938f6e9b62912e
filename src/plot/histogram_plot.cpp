#include "plot/histogram_plot.h"

#include <algorithm>

#include "plot/plot_axes.h"
#include "plot/plot_geometry.h"
#include "plot/plot_labels.h"

namespace kep {
namespace {

constexpr Rgb kCyan{0, 255, 255};
constexpr std::int32_t kLevelCount = 256;
constexpr std::int32_t kLevelLabelStep = 25;
constexpr std::int32_t kCountTickSpacing = 25;

}  // namespace

void DrawHistogramFrame(DrawContext& dc, std::int32_t margin) {
  const Rgb callerPen = dc.SelectPen(kBlack);
  DrawPlotFrame(dc, margin, 2 * margin);
  dc.SelectPen(callerPen);
}

void DrawHistogram(DrawContext& dc, const ImageBuffer::Histogram& counts) {
  const std::uint32_t maxCount = *std::max_element(counts.begin(), counts.end());
  if (maxCount == 0) return;
  const Rect client = dc.ClientRect();
  const std::int32_t width = client.right - client.left - 2 * kPlotMargin - kPlotLabelWidth;
  const std::int32_t height = client.bottom - client.top - 2 * kPlotMargin;
  const std::int32_t areaLeft = client.left + kPlotMargin + kPlotLabelWidth;
  const std::int32_t axisRow = client.bottom - kPlotMargin;

  DrawHistogramFrame(dc, kPlotMargin);
  const Rgb callerPen = dc.SelectPen(kRed);
  for (std::int32_t g = 0; g < kLevelCount; ++g) {
    const std::int32_t column = areaLeft + width * g / 255;
    // A count times the height can pass 2^31 on large images.
    const auto barHeight = static_cast<std::int32_t>(std::int64_t{counts[g]} * height / maxCount);
    dc.MoveTo(column, axisRow);
    dc.LineTo(column, axisRow - barHeight);
    if (g % kLevelLabelStep == 0) {
      dc.DrawText(column, client.bottom - 13, FieldLabel(g));
      dc.SelectPen(kCyan);
      dc.MoveTo(column, axisRow);
      dc.LineTo(column, axisRow + 5);
      dc.SelectPen(kRed);
    }
  }

  const double countsPerPixel = static_cast<double>(maxCount) / height;
  for (std::int32_t k = 0; k < height; k += kCountTickSpacing) {
    const std::int32_t row = axisRow - k;
    dc.DrawText(client.left + 2, row, FieldLabel(static_cast<std::int64_t>(k * countsPerPixel)));
    dc.MoveTo(areaLeft, row);
    dc.LineTo(areaLeft - 5, row);
  }
  dc.SelectPen(callerPen);
  dc.DrawText((client.left + client.right) / 2 - 80, client.top + 40,
              "Histogram Plot (Gray vs. Count)");
}

}  // namespace kep
