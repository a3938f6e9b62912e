// kep.methods and kep.measure: the eleven methods, and one measurement of an
// image array with the engine, as kep-cli measure makes it.

#include <string>
#include <utility>

#include "bindings.h"
#include "fractal/method_table.h"
#include "image_array.h"
#include "measure_arguments.h"
#include "project/measurement.h"
#include "result_values.h"

namespace kep::python {

namespace {

// What kep.measure returns: the fields of kep-cli measure --json, with None where
// the engine gives no dimension and the reason why.
struct MeasureValues {
  py::object dimension;
  py::object reason;
  py::object slope;
  py::object intercept;
  py::object rSquared;
  py::object points;
  py::object outline;
  std::size_t particles = 0;
  std::int64_t outlinePoints = 0;
};

py::object FitValue(const MeasureResult& result, double LogLogFit::*value) {
  if (!result.fit) return py::none();
  return py::float_((*result.fit).*value);
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

MeasureValues Measure(py::handle array, py::handle methodArgument, py::handle params,
                      py::handle particleArgument, py::handle prep) {
  MeasureSettings settings;
  settings.method = MethodArgument(methodArgument);
  settings.params = ParamsArgument(params, settings.method);
  settings.particle = ParticleArgument(particleArgument);
  settings.preprocess = OptionalPreprocessArgument(prep);
  MeasureWorkspace workspace;
  // The thread's kept copy is the workspace's loaded image while it measures.
  std::swap(workspace.loaded, ThreadInput());
  CopyArrayInto(array, workspace.loaded);
  MeasureResult result;
  {
    py::gil_scoped_release release;
    result = MeasureImage(workspace, workspace.loaded, settings, {.keepOutline = true});
  }
  std::swap(workspace.loaded, ThreadInput());
  if (ThreadInput().ByteCount() > kKeptInputBytes) ThreadInput() = ImageBuffer();
  MeasureValues values;
  values.dimension = result.HasDimension() ? py::object(py::float_(result.dimension)) : py::none();
  values.reason = ReasonValue(result.failure);
  values.slope = FitValue(result, &LogLogFit::slope);
  values.intercept = FitValue(result, &LogLogFit::intercept);
  values.rSquared = FitValue(result, &LogLogFit::rSquared);
  values.points = ArrayFromPoints(result.points);
  values.outline = ArrayFromImage(result.outline ? std::move(*result.outline) : ImageBuffer());
  values.particles = result.particles;
  values.outlinePoints = result.outlinePoints;
  return values;
}

std::string Describe(const MeasureValues& result) {
  return "Measurement(dimension=" + py::repr(result.dimension).cast<std::string>() +
         ", points=" + std::to_string(py::len(result.points)) +
         ", particles=" + std::to_string(result.particles) + ")";
}

py::tuple MeasureState(const MeasureValues& r) {
  return py::make_tuple(r.dimension, r.reason, r.slope, r.intercept, r.rSquared, r.points,
                        r.outline, r.particles, r.outlinePoints);
}

MeasureValues MeasureFromState(const py::tuple& state) {
  if (state.size() != 9) throw py::value_error("not the state of a kep.Measurement");
  return {state[0],
          state[1],
          state[2],
          state[3],
          state[4],
          state[5],
          state[6],
          state[7].cast<std::size_t>(),
          state[8].cast<std::int64_t>()};
}

}  // namespace

void AddMeasureFunctions(py::module_& module) {
  module.def("methods", &Methods,
             "The eleven methods, in index order: dicts with index, name (as kep-cli names it),\n"
             "label, param_labels and defaults (the three parameters').");

  py::class_<MeasureValues>(module, "Measurement",
                            "One measurement: the dimension (None when the engine finds none,\n"
                            "with the reason why), the fit it came from, the (n, 2) int32 points,\n"
                            "the outline image and the numbers of particles and outline points.")
      .def_readonly("dimension", &MeasureValues::dimension)
      .def_readonly("reason", &MeasureValues::reason)
      .def_readonly("slope", &MeasureValues::slope)
      .def_readonly("intercept", &MeasureValues::intercept)
      .def_readonly("r_squared", &MeasureValues::rSquared)
      .def_readonly("points", &MeasureValues::points)
      .def_readonly("outline", &MeasureValues::outline)
      .def_readonly("particles", &MeasureValues::particles)
      .def_readonly("outline_points", &MeasureValues::outlinePoints)
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
