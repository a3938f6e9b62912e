#pragma once

#include "image/point_series.h"

namespace kep {

inline void AppendPoints(PointSeries& series, const PointSeries& points) {
  for (const SeriesPoint& point : points) series.Append(point);
}

}  // namespace kep
