// The extension kep._kep: the measuring pipeline of the core for Python, with
// numpy arrays in and out. The package kep re-exports it.

#include "bindings.h"
#include "result_values.h"
#include "version.h"

PYBIND11_MODULE(_kep, module) {
  module.doc() = "The KEP engine: fractal dimensions of particle outlines in grey images.";
  module.attr("__version__") = kep::kVersion;
  kep::python::AddReasonClass(module);
  kep::python::AddImageFunctions(module);
  kep::python::AddMeasureFunctions(module);
  kep::python::AddBatchFunctions(module);
}
