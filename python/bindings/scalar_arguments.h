#pragma once

#include <pybind11/pybind11.h>

#include <cstdint>
#include <optional>
#include <string>

namespace kep::python {

namespace py = pybind11;

// The value of a Python or numpy integer (not a bool); nothing for anything else
// and for an integer beyond 64 bits.
std::optional<std::int64_t> IntegerValue(py::handle value);

// An integer from `low` to `high`.
std::int64_t IntegerArgument(const std::string& name, py::handle value, std::int64_t low,
                             std::int64_t high);

// A real number (an integer, or a Python or numpy float other than NaN) from `low` to `high`.
double NumberArgument(const std::string& name, py::handle value, double low, double high);

// A path (str, bytes or os.PathLike) as the bytes the system opens, encoded as
// Python encodes file names.
std::string PathArgument(const std::string& name, py::handle value);

// The bytes of a path as the str Python would give for them.
py::str PathText(const std::string& path);

}  // namespace kep::python
