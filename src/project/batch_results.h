#pragma once

#include <cstdint>
#include <vector>

#include "image/point_series.h"

namespace kep {

// The results of one batch run, one entry per measured image in file-list order:
// its position in the list counted from 1, its dimension (-1.0 when the engine
// failed) and a copy of the series the dimension was fitted from.
struct BatchResults {
  std::vector<double> m_imageNumbers;
  std::vector<double> m_dimensions;
  std::vector<PointSeries> m_series;

  void ClearResults();
  void Append(double imageNumber, double dimension, const PointSeries& series);
  std::int32_t Count() const { return static_cast<std::int32_t>(m_dimensions.size()); }
};

}  // namespace kep
