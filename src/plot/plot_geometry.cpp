#include "plot/plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kep {

std::int32_t TruncateToInt(double value) {
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (std::isnan(value)) return 0;
  if (value <= kLowest) return std::numeric_limits<std::int32_t>::min();
  if (value >= kHighest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

PlotRange WidenIfEmpty(PlotRange range) {
  if (range.max == range.min) return {range.min - 1.0, range.max + 1.0};
  return range;
}

PlotGeometry::PlotGeometry(const Rect& client, std::int32_t margin, std::int32_t labelWidth,
                           PlotRange x, PlotRange y)
    : m_client(client),
      m_margin(margin),
      m_labelWidth(labelWidth),
      m_x(x),
      m_y(y),
      m_plotWidth(client.right - client.left - 2 * margin - labelWidth),
      m_plotHeight(client.bottom - client.top - 2 * margin),
      m_xScale(m_plotWidth / (x.max - x.min)),
      m_yScale(m_plotHeight / (y.max - y.min)) {}

namespace {

std::int32_t ClampCoordinate(std::int64_t position) {
  constexpr std::int64_t kLimit = std::int64_t{1} << 24;
  return static_cast<std::int32_t>(std::clamp(position, -kLimit, kLimit));
}

}  // namespace

std::int32_t PlotGeometry::Column(double x) const {
  return ClampCoordinate(std::int64_t{AreaLeft()} + TruncateToInt((x - m_x.min) * m_xScale));
}

std::int32_t PlotGeometry::Row(double y) const {
  return ClampCoordinate(std::int64_t{AxisRow()} - TruncateToInt((y - m_y.min) * m_yScale));
}

}  // namespace kep
