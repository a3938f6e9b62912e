#include "result_values.h"

#include "fractal/fractal_engine.h"

namespace kep::python {

py::object DimensionValue(double dimension) {
  if (dimension == kNoDimension) return py::none();
  return py::float_(dimension);
}

py::array_t<std::int32_t> ArrayFromPoints(const PointSeries& points) {
  py::array_t<std::int32_t> array({static_cast<py::ssize_t>(points.Count()), py::ssize_t{2}});
  auto cells = array.mutable_unchecked<2>();
  for (std::int32_t i = 0; i < points.Count(); ++i) {
    cells(i, 0) = points[i].x;
    cells(i, 1) = points[i].y;
  }
  return array;
}

}  // namespace kep::python
