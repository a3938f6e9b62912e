#include "argument_errors.h"

#include "scalar_arguments.h"

namespace kep::python {

namespace {

std::string Refusal(const std::string& name, const std::string& what, py::handle value) {
  return name + " must be " + what + ", not " + py::repr(value).cast<std::string>();
}

}  // namespace

void RefuseType(const std::string& name, const std::string& what, py::handle value) {
  throw py::type_error(Refusal(name, what, value));
}

void RefuseValue(const std::string& name, const std::string& what, py::handle value) {
  throw py::value_error(Refusal(name, what, value));
}

void RaiseFileError(const std::string& path, int errorNumber, const std::string& reason) {
  const py::str filename = PathText(path);
  if (errorNumber == 0) {
    PyErr_SetObject(PyExc_OSError, py::str("{}: {}").format(filename, reason).ptr());
    throw py::error_already_set();
  }
  // OSError(errno, strerror, filename) makes the subclass that belongs to errno.
  const py::object error =
      py::reinterpret_borrow<py::object>(PyExc_OSError)(errorNumber, reason, filename);
  PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.ptr())), error.ptr());
  throw py::error_already_set();
}

void RaiseFailure(const Failure& failure) {
  PyObject* type = failure.code == FailureCode::kOutOfMemory ? PyExc_MemoryError : PyExc_ValueError;
  PyErr_SetString(type, failure.text.c_str());
  throw py::error_already_set();
}

}  // namespace kep::python
