#include "project/batch_results.h"

namespace kep {

void BatchResults::ClearResults() {
  std::vector<double>().swap(m_imageNumbers);
  std::vector<double>().swap(m_dimensions);
  std::vector<PointSeries>().swap(m_series);
}

void BatchResults::Append(double imageNumber, double dimension, const PointSeries& series) {
  m_imageNumbers.push_back(imageNumber);
  m_dimensions.push_back(dimension);
  m_series.push_back(series);
}

}  // namespace kep
