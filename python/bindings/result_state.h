#pragma once

#include <pybind11/pybind11.h>

#include "fractal/measure_result.h"
#include "project/measurement.h"

namespace kep::python {

namespace py = pybind11;

// Settings and results as tuples of plain values, for pickle: how results travel
// from Dask workers and how a script keeps them. A state that is not one raises
// ValueError; settings are checked as the arguments they came from.
py::tuple SettingsState(const MeasureSettings& settings);
MeasureSettings SettingsFromState(py::handle state);
py::tuple ResultState(const MeasureResult& result);
MeasureResult ResultFromState(py::handle state);

}  // namespace kep::python
