// kep.methods and kep.measure: the eleven methods, and one measurement of an
// image array with the engine, as kep-cli measure makes it.

#include <optional>
#include <string>

#include "bindings.h"
#include "fractal/fit_log_log.h"
#include "fractal/method_table.h"
#include "image_array.h"
#include "measure_arguments.h"
#include "preprocessed_image.h"
#include "project/measurement.h"
#include "result_values.h"

namespace kep::python {

namespace {

// What kep.measure returns: the fields of kep-cli measure --json, with None where
// the engine gives no dimension.
struct MeasureResult {
  py::object dimension;
  py::object slope;
  py::object intercept;
  py::object rSquared;
  py::object points;
  py::object outline;
  std::size_t particles = 0;
  std::int64_t outlinePoints = 0;
};

py::object FitValue(const std::optional<LogLogFit>& fit, double LogLogFit::*value) {
  if (!fit) return py::none();
  return py::float_((*fit).*value);
}

py::list Methods() {
  py::list methods;
  for (int i = 0; i < kMethodCount; ++i) {
    const MethodInfo& method = kMethods[i];
    py::tuple labels(method.parameters.size());
    py::tuple defaults(method.parameters.size());
    for (std::size_t p = 0; p < method.parameters.size(); ++p) {
      labels[p] = method.parameters[p].label;
      defaults[p] = method.parameters[p].value;
    }
    py::dict entry;
    entry["index"] = i;
    entry["name"] = method.cliName;
    entry["label"] = method.listText;
    entry["param_labels"] = labels;
    entry["defaults"] = defaults;
    methods.append(entry);
  }
  return methods;
}

// The copy of the array that each thread measures, kept from call to call so that
// the next array of the same size finds its memory ready; a copy larger than this
// is given back after its measurement.
constexpr std::size_t kKeptInputBytes = std::size_t{64} << 20;

ImageBuffer& ThreadInput() {
  thread_local ImageBuffer input;
  return input;
}

MeasureResult Measure(py::handle array, py::handle methodArgument, py::handle params,
                      py::handle particleArgument, py::handle prep) {
  const std::uint32_t method = MethodArgument(methodArgument);
  const auto particle = static_cast<std::uint32_t>(ParticleArgument(particleArgument));
  const MeasureSettings settings{method, ParamsArgument(params, method), particle, 255 - particle};
  const std::optional<PreprocessSettings> preprocess =
      OptionalPreprocessArgument(prep, static_cast<std::int32_t>(particle));
  ImageBuffer& input = ThreadInput();
  CopyArrayInto(array, input);

  FractalEngine engine;
  Measurement measured;
  {
    py::gil_scoped_release release;
    if (preprocess) {
      const ImageBuffer prepared = Preprocessed(input, *preprocess);
      measured = MeasureImage(engine, prepared, settings);
    } else {
      measured = MeasureImage(engine, input, settings);
    }
  }
  if (input.ByteCount() > kKeptInputBytes) input = ImageBuffer();
  // The fit the dimension was made from; none when the engine gave no dimension.
  const std::optional<LogLogFit> fit =
      measured.fd == kNoDimension ? std::nullopt : FitPositiveLogLog(measured.points);
  MeasureResult result;
  result.dimension = DimensionValue(measured.fd);
  result.slope = FitValue(fit, &LogLogFit::slope);
  result.intercept = FitValue(fit, &LogLogFit::intercept);
  result.rSquared = FitValue(fit, &LogLogFit::rSquared);
  result.points = ArrayFromPoints(measured.points);
  result.outline = ArrayFromImage(std::move(engine.outlineImage));
  result.particles = measured.particles;
  result.outlinePoints = measured.outlinePoints;
  return result;
}

std::string Describe(const MeasureResult& result) {
  return "Measurement(dimension=" + py::repr(result.dimension).cast<std::string>() +
         ", points=" + std::to_string(py::len(result.points)) +
         ", particles=" + std::to_string(result.particles) + ")";
}

py::tuple MeasureState(const MeasureResult& r) {
  return py::make_tuple(r.dimension, r.slope, r.intercept, r.rSquared, r.points, r.outline,
                        r.particles, r.outlinePoints);
}

MeasureResult MeasureFromState(const py::tuple& state) {
  if (state.size() != 8) throw py::value_error("not the state of a kep.Measurement");
  return {state[0],
          state[1],
          state[2],
          state[3],
          state[4],
          state[5],
          state[6].cast<std::size_t>(),
          state[7].cast<std::int64_t>()};
}

}  // namespace

void AddMeasureFunctions(py::module_& module) {
  module.def("methods", &Methods,
             "The eleven methods, in index order: dicts with index, name (as kep-cli names it),\n"
             "label, param_labels and defaults (the three parameters').");

  py::class_<MeasureResult>(module, "Measurement",
                            "One measurement: the dimension (None when the engine finds none),\n"
                            "the fit it came from, the (n, 2) int32 points, the outline image\n"
                            "and the numbers of particles and outline points.")
      .def_readonly("dimension", &MeasureResult::dimension)
      .def_readonly("slope", &MeasureResult::slope)
      .def_readonly("intercept", &MeasureResult::intercept)
      .def_readonly("r_squared", &MeasureResult::rSquared)
      .def_readonly("points", &MeasureResult::points)
      .def_readonly("outline", &MeasureResult::outline)
      .def_readonly("particles", &MeasureResult::particles)
      .def_readonly("outline_points", &MeasureResult::outlinePoints)
      .def("__repr__", &Describe)
      .def(py::pickle(&MeasureState, &MeasureFromState));

  const std::string measureDoc =
      "Measures the particle outlines of a 2-D uint8 image array (any strides).\n\n"
      "method: index 0 to 10 or kep-cli's name; params: three integers, or None for\n"
      "the method's defaults (parameters outside 1 to 10000 give no dimension, as in\n"
      "kep-cli); particle: the particles' grey value, 0 or 255; prep: None to measure\n"
      "the image as given, True for the batch pre-processing with its defaults, or a\n"
      "dict of its values: " +
      PreprocessValuesText() + ".\nBad arguments raise ValueError.";
  module.def("measure", &Measure, py::arg("image"), py::arg("method") = 0,
             py::arg("params") = py::none(), py::arg("particle") = 255,
             py::arg("prep") = py::none(), measureDoc.c_str());
}

}  // namespace kep::python
