#pragma once

#include <pybind11/pybind11.h>

#include <string>

#include "fractal/measure_result.h"
#include "project/measurement.h"

namespace kep::python {

namespace py = pybind11;

// What kep.measure returns: the settings, the pipeline's result and the picture
// the method measured, as an array (None when the caller left it out).
struct Measurement {
  MeasureSettings settings;
  MeasureResult result;
  py::object outline = py::none();
};

// One file of a batch: the path as given, the settings and how it went.
struct FileResult {
  std::string path;
  MeasureSettings settings;
  MeasureResult result;
};

// The classes kep.Reason, kep.Measurement and kep.FileResult, and the settings
// that batches hand to other processes.
void AddResultClasses(py::module_& module);

}  // namespace kep::python
