#pragma once

#include <pybind11/pybind11.h>

#include <string>

#include "failure/failure.h"

namespace kep::python {

namespace py = pybind11;

// "NAME must be WHAT, not REPR", as Python's own functions refuse an argument: a
// TypeError for a value of the wrong type, a ValueError for a value of the right
// type that is out of range or of the wrong shape.
[[noreturn]] void RefuseType(const std::string& name, const std::string& what, py::handle value);
[[noreturn]] void RefuseValue(const std::string& name, const std::string& what, py::handle value);

// A file the system cannot use. With the system's error number: the OSError that
// Python raises for it (FileNotFoundError, PermissionError, IsADirectoryError,
// ...) with errno, strerror (kep-cli's reason) and filename set, as open() raises
// them. Without one, an OSError whose text is kep-cli's line "PATH: reason".
[[noreturn]] void RaiseFileError(const std::string& path, int errorNumber,
                                 const std::string& reason);

// A failure of the pipeline with its text: a MemoryError for a lack of memory,
// the one failure the arguments' checks leave it; a ValueError for any other.
[[noreturn]] void RaiseFailure(const Failure& failure);

}  // namespace kep::python
