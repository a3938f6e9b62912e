#include "argument_errors.h"

namespace kep::python {

void RefuseArgument(const std::string& name, const std::string& what, py::handle value) {
  throw py::value_error(name + " must be " + what + ", not " + py::repr(value).cast<std::string>());
}

void RaiseOSError(const std::string& message) {
  PyErr_SetString(PyExc_OSError, message.c_str());
  throw py::error_already_set();
}

}  // namespace kep::python
