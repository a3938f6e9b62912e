#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstdint>

#include "image/point_series.h"

namespace kep::python {

namespace py = pybind11;

// The engine's dimension, or None where it gives -1.0.
py::object DimensionValue(double dimension);

// The points as an (n, 2) int32 array of x and y.
py::array_t<std::int32_t> ArrayFromPoints(const PointSeries& points);

}  // namespace kep::python
