#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstdint>
#include <optional>
#include <string>

#include "failure/failure.h"
#include "image/point_series.h"

namespace kep::python {

namespace py = pybind11;

// Why a result has no dimension: the code and the one-line text that kep-cli
// prints.
struct Reason {
  std::string code;
  std::string text;
};

// The class kep.Reason.
void AddReasonClass(py::module_& module);

// A Reason, or None without a failure.
py::object ReasonValue(const std::optional<Failure>& failure);

// The points as an (n, 2) int32 array of x and y.
py::array_t<std::int32_t> ArrayFromPoints(const PointSeries& points);

}  // namespace kep::python
