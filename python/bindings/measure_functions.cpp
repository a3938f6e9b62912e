// kep.methods and kep.measure: the eleven methods, and one measurement of an
// image array with the engine, as kep-cli measure makes it.

#include <utility>

#include "bindings.h"
#include "fractal/method_table.h"
#include "image_array.h"
#include "interruptible_work.h"
#include "measure_arguments.h"
#include "result_classes.h"
#include "scalar_arguments.h"
#include "workspace_pool.h"

namespace kep::python {

namespace {

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

Measurement Measure(py::handle array, const MeasureSettings& settings, py::handle keepOutline) {
  const MeasureOptions options{.keepOutline = BoolArgument("keep_outline", keepOutline)};
  const WorkspaceLease workspace;
  CopyArrayInto(array, workspace->input);
  Measurement measured{settings, {}};
  RunInterruptibly([&](const std::atomic<bool>* stop) {
    MeasureOptions stoppable = options;
    stoppable.stop = stop;
    measured.result = MeasureImage(workspace->measure, workspace->input, settings, stoppable);
  });
  if (measured.result.outline) {
    measured.outline = ArrayFromImage(std::move(*measured.result.outline));
    measured.result.outline.reset();
  }
  return measured;
}

}  // namespace

void AddMeasureFunctions(py::module_& module) {
  module.def("methods", &Methods, "The eleven methods (see kep.methods).");
  module.def("settings", &SettingsArgument, py::arg("method"), py::arg("params"),
             py::arg("particle"), py::arg("prep"), py::arg("fit_range"), py::arg("grid_offsets"),
             "The checked settings of a measurement, from the arguments of kep.measure.");
  module.def("measure", &Measure, py::arg("image"), py::arg("settings"), py::arg("keep_outline"),
             "One measurement of an image array (see kep.measure).");
}

}  // namespace kep::python
