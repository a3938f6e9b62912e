#pragma once

#include <pybind11/pybind11.h>

#include <cstdint>
#include <optional>
#include <string>

namespace kep::python {

namespace py = pybind11;

// Whether the value is a Python or numpy integer; bools, numpy's among them, are
// not taken as numbers.
bool IsInteger(py::handle value);

// The value of a Python or numpy integer (not a bool); nothing for anything else
// and for an integer beyond 64 bits.
std::optional<std::int64_t> IntegerValue(py::handle value);

// The value of a bool or a numpy.bool_; nothing for anything else.
std::optional<bool> BoolValue(py::handle value);

// An integer from `low` to `high`.
std::int64_t IntegerArgument(const std::string& name, py::handle value, std::int64_t low,
                             std::int64_t high);

// A real number (an integer, or a Python or numpy float other than NaN) from `low` to `high`.
double NumberArgument(const std::string& name, py::handle value, double low, double high);

// A bool or a numpy.bool_.
bool BoolArgument(const std::string& name, py::handle value);

// A path (str, bytes or os.PathLike) as the bytes the system opens, encoded as
// Python encodes file names.
std::string PathArgument(const std::string& name, py::handle value);

// The bytes of a path as the str Python would give for them.
py::str PathText(const std::string& path);

}  // namespace kep::python
