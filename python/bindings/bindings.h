#pragma once

#include <pybind11/pybind11.h>

namespace kep::python {

namespace py = pybind11;

// The parts of the module, each adding its functions and classes.
void AddImageFunctions(py::module_& module);
void AddMeasureFunctions(py::module_& module);
void AddParticleFunctions(py::module_& module);
void AddBatchFunctions(py::module_& module);

}  // namespace kep::python
