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

// "percent (10), lower (50), ...": the pre-processing values' names and defaults.
std::string PreprocessValuesText();

// The pre-processing values named in `values` (percent, lower, higher,
// min_particle, min_hole), the others at their defaults.
PreprocessSettings PreprocessArgument(const py::dict& values);

// None or False: no pre-processing; True: the default values; a dict: those values.
std::optional<PreprocessSettings> OptionalPreprocessArgument(py::handle prep);

// Method, parameters, particle value and pre-processing values of a batch.
MeasureSettings BatchSettingsArgument(py::handle method, py::handle params, py::handle particle,
                                      const py::dict& prep);

}  // namespace kep::python
