// kep.load, kep.to_grey, kep.prep and kep.outline: the image as the system loads
// it, the grey image of any array, and the image after the batch pre-processing
// and as the outline image the engine measures.

#include <string>

#include "argument_errors.h"
#include "bindings.h"
#include "grey_array.h"
#include "image_array.h"
#include "interruptible_work.h"
#include "measure_arguments.h"
#include "project/image_reading.h"
#include "project/measurement.h"
#include "scalar_arguments.h"
#include "workspace_pool.h"

namespace kep::python {

namespace {

py::array Load(py::handle pathArgument) {
  const std::string path = PathArgument("path", pathArgument);
  ImageBuffer image;
  ImageRead read;
  {
    py::gil_scoped_release release;
    read = ReadImage(path, image);
  }
  // An image without pixels counts as a failure, as it does for every command.
  if (!read.Loaded()) RaiseFileError(path, read.systemError, read.reason);
  return ArrayFromImage(std::move(image));
}

py::array Prep(py::handle array, py::handle particleArgument, py::handle values) {
  const std::int32_t particle = ParticleArgument(particleArgument);
  const PreprocessSettings settings = PreprocessArgument(values.cast<py::dict>());
  const WorkspaceLease workspace;
  CopyArrayInto(array, workspace->input);
  std::optional<Failure> failure;
  RunInterruptibly([&](const std::atomic<bool>* stop) {
    failure = PreprocessImage(workspace->measure, workspace->input, settings, particle, stop);
  });
  if (failure) RaiseFailure(*failure);
  return ArrayFromImage(std::move(workspace->measure.prepared));
}

py::array Outline(py::handle array, py::handle particleArgument, py::handle prep) {
  const std::int32_t particle = ParticleArgument(particleArgument);
  const std::optional<PreprocessSettings> settings = OptionalPreprocessArgument(prep);
  const WorkspaceLease workspace;
  CopyArrayInto(array, workspace->input);
  std::optional<Failure> failure;
  RunInterruptibly([&](const std::atomic<bool>* stop) {
    failure = PrepareOutlines(workspace->measure, workspace->input, particle, settings, stop);
  });
  if (failure) RaiseFailure(*failure);
  return ArrayFromImage(std::move(workspace->measure.engine.outlineImage));
}

}  // namespace

void AddImageFunctions(py::module_& module) {
  module.def("load", &Load, py::arg("path"), "The grey image of a file (see kep.load).");
  module.def(
      "to_grey", [](py::handle array) { return ArrayFromImage(GreyFromArray(array)); },
      py::arg("array"), "The grey image of an array (see kep.to_grey).");
  module.def("prep", &Prep, py::arg("image"), py::arg("particle"), py::arg("values"),
             "The image after the batch pre-processing (see kep.prep).");
  module.def("outline", &Outline, py::arg("image"), py::arg("particle"), py::arg("prep"),
             "The outline image the engine measures (see kep.outline).");
  module.def(
      "preprocess_defaults", [] { return PreprocessValues(PreprocessSettings{}); },
      "The pre-processing values' defaults, by name.");
}

}  // namespace kep::python
