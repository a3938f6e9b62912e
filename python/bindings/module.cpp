// The extension kep._kep: the measuring pipeline of the core for Python, with
// numpy arrays in and out. The package kep gives its functions their signatures
// and documents them.

#include "bindings.h"
#include "result_classes.h"
#include "version.h"

PYBIND11_MODULE(_kep, module) {
  module.doc() = "The KEP engine: fractal dimensions of particle outlines in grey images.";
  module.attr("__version__") = kep::kVersion;
  kep::python::AddResultClasses(module);
  kep::python::AddImageFunctions(module);
  kep::python::AddMeasureFunctions(module);
  kep::python::AddParticleFunctions(module);
  kep::python::AddBatchFunctions(module);
}
