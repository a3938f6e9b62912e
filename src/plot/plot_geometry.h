#pragma once

#include <cstdint>

#include "draw/draw_context.h"

namespace kep {

// Every plot leaves a 20-pixel margin around its area and 40 more pixels to the
// left of it for the y labels.
inline constexpr std::int32_t kPlotMargin = 20;
inline constexpr std::int32_t kPlotLabelWidth = 40;

// Converts toward zero like a plain cast, but saturates at the ends of the 32-bit
// range (and gives 0 for NaN), so a degenerate range can never overflow a
// coordinate.
std::int32_t TruncateToInt(double value);

// One axis' range in plot units: data units on linear plots, natural logarithms on
// log-log plots.
struct PlotRange {
  double min = 0.0;
  double max = 0.0;
};

// A range of zero width would make the scale infinite; it is widened by one unit on
// each side so that its points sit in the middle of the axis.
PlotRange WidenIfEmpty(PlotRange range);

// Where plot coordinates land in the client area: the x axis lies on row B - m,
// x.min at column L + m + a, y.min on the axis and y.max at row T + m.
class PlotGeometry {
 public:
  PlotGeometry(const Rect& client, std::int32_t margin, std::int32_t labelWidth, PlotRange x,
               PlotRange y);

  // Pixel positions of plot coordinates. Points far outside the client area are
  // pulled in to +-2^24 so that nothing drawn from them can overflow.
  std::int32_t Column(double x) const;
  std::int32_t Row(double y) const;

  const Rect& Client() const { return m_client; }
  std::int32_t Margin() const { return m_margin; }
  std::int32_t LabelWidth() const { return m_labelWidth; }
  std::int32_t AreaLeft() const { return m_client.left + m_margin + m_labelWidth; }
  std::int32_t AxisRow() const { return m_client.bottom - m_margin; }
  std::int32_t PlotWidth() const { return m_plotWidth; }
  std::int32_t PlotHeight() const { return m_plotHeight; }
  const PlotRange& X() const { return m_x; }
  const PlotRange& Y() const { return m_y; }
  double XScale() const { return m_xScale; }
  double YScale() const { return m_yScale; }

 private:
  Rect m_client;
  std::int32_t m_margin;
  std::int32_t m_labelWidth;
  PlotRange m_x;
  PlotRange m_y;
  std::int32_t m_plotWidth;
  std::int32_t m_plotHeight;
  double m_xScale;
  double m_yScale;
};

}  // namespace kep
