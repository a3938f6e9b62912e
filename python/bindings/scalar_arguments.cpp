#include "scalar_arguments.h"

#include <cmath>

#include "argument_errors.h"

namespace kep::python {

namespace {

std::string RangeText(const char* kind, const std::string& low, const std::string& high) {
  return std::string(kind) + " from " + low + " to " + high;
}

}  // namespace

bool IsInteger(py::handle value) { return PyIndex_Check(value.ptr()) && !BoolValue(value); }

std::optional<std::int64_t> IntegerValue(py::handle value) {
  if (!IsInteger(value)) return std::nullopt;
  const py::int_ integer = py::reinterpret_steal<py::int_>(PyNumber_Index(value.ptr()));
  if (!integer) throw py::error_already_set();
  int overflow = 0;
  const long long result = PyLong_AsLongLongAndOverflow(integer.ptr(), &overflow);
  if (overflow != 0) return std::nullopt;
  return result;
}

std::optional<bool> BoolValue(py::handle value) {
  if (PyBool_Check(value.ptr())) return value.ptr() == Py_True;
  if (py::isinstance(value, py::module_::import("numpy").attr("bool_"))) {
    return value.cast<bool>();
  }
  return std::nullopt;
}

std::int64_t IntegerArgument(const std::string& name, py::handle value, std::int64_t low,
                             std::int64_t high) {
  const std::string what = RangeText("an integer", std::to_string(low), std::to_string(high));
  if (!IsInteger(value)) RefuseType(name, what, value);
  const std::optional<std::int64_t> integer = IntegerValue(value);
  if (!integer || *integer < low || *integer > high) RefuseValue(name, what, value);
  return *integer;
}

double NumberArgument(const std::string& name, py::handle value, double low, double high) {
  const std::string what = RangeText("a number", py::repr(py::float_(low)).cast<std::string>(),
                                     py::repr(py::float_(high)).cast<std::string>());
  const bool real = IsInteger(value) || (py::hasattr(value, "__float__") && !BoolValue(value));
  if (!real) RefuseType(name, what, value);
  const double result = py::float_(py::reinterpret_borrow<py::object>(value));
  if (std::isnan(result) || result < low || result > high) RefuseValue(name, what, value);
  return result;
}

bool BoolArgument(const std::string& name, py::handle value) {
  const std::optional<bool> flag = BoolValue(value);
  if (!flag) RefuseType(name, "True or False", value);
  return *flag;
}

std::string PathArgument(const std::string& name, py::handle value) {
  const std::string what = "a path (str, bytes or os.PathLike)";
  const bool pathLike = py::isinstance<py::str>(value) || py::isinstance<py::bytes>(value) ||
                        py::hasattr(value, "__fspath__");
  if (!pathLike) RefuseType(name, what, value);
  const std::string path = py::module_::import("os").attr("fsencode")(value).cast<std::string>();
  // The system's file calls would stop at a NUL and open another file.
  if (path.find('\0') != std::string::npos) RefuseValue(name, what + " without a NUL", value);
  return path;
}

py::str PathText(const std::string& path) {
  return py::module_::import("os").attr("fsdecode")(py::bytes(path));
}

}  // namespace kep::python
