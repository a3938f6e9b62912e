#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstdint>
#include <optional>
#include <string>

#include "failure/failure.h"
#include "fractal/measure_result.h"
#include "image/point_series.h"
#include "project/measurement.h"

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

// The values of a result as the module shows them: None where there is no
// dimension.
py::object DimensionValue(const MeasureResult& result);
py::object FitValue(const MeasureResult& result, double LogLogFit::*value);
py::object FitPointsValue(const MeasureResult& result);
// (low, high), or None.
py::object Ci95Value(const MeasureResult& result);
py::array_t<double> LocalDimensionsArray(const MeasureResult& result);

// The method's name as kep-cli measure --json gives it (kep.methods()' label).
py::str MethodName(const MeasureSettings& settings);

// The settings and the result as one flat dict of plain values, the names those
// of kep-cli particles' columns where they are the same: the reason as its code,
// the interval as ci95_low and ci95_high.
py::dict ResultDict(const MeasureSettings& settings, const MeasureResult& result);

// Whether two results hold the same values (not a number equal to not a number).
bool SameResult(const MeasureResult& a, const MeasureResult& b);
bool SameSettings(const MeasureSettings& a, const MeasureSettings& b);

}  // namespace kep::python
