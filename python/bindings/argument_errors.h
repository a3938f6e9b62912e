#pragma once

#include <pybind11/pybind11.h>

#include <string>

namespace kep::python {

namespace py = pybind11;

// "NAME must be WHAT, not REPR" as a ValueError: every argument the module checks
// is refused this way, so that a script sees which argument was wrong and why.
[[noreturn]] void RefuseArgument(const std::string& name, const std::string& what,
                                 py::handle value);

// An OSError whose text is exactly `message`, as kep-cli prints it.
[[noreturn]] void RaiseOSError(const std::string& message);

}  // namespace kep::python
