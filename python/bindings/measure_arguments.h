#pragma once

#include <pybind11/pybind11.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "preprocess/preprocess_sequence.h"
#include "project/measurement.h"

namespace kep::python {

namespace py = pybind11;

// A method by index (0 to 10) or by kep-cli's name.
std::uint32_t MethodArgument(py::handle method);

// None for the method's defaults, else a sequence of three integers.
std::array<std::int32_t, 3> ParamsArgument(py::handle params, std::uint32_t method);

// The grey value of the particles, 0 or 255.
std::int32_t ParticleArgument(py::handle particle);

// The pre-processing values named in `values` (percent, lower, higher,
// min_particle, min_hole), the others at their defaults.
PreprocessSettings PreprocessArgument(const py::dict& values);

// None or False: no pre-processing; True: the default values; a dict: those values.
std::optional<PreprocessSettings> OptionalPreprocessArgument(py::handle prep);

// The pre-processing values by their names: the inverse of PreprocessArgument.
py::dict PreprocessValues(const PreprocessSettings& settings);

// None for every point, else (xmin, xmax): the points with xmin <= x <= xmax.
FitRange FitRangeArgument(py::handle range);

// Everything a measurement is made with, from the arguments of kep.measure,
// kep.particles, kep.batch and kep.dask.measure_files.
MeasureSettings SettingsArgument(py::handle method, py::handle params, py::handle particle,
                                 py::handle prep, py::handle fitRange, py::handle gridOffsets);

}  // namespace kep::python
