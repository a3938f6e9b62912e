// kep.load, kep.prep and kep.outline: the image as the system loads it, after the
// batch pre-processing, and as the outline image the engine measures.

#include <new>
#include <string>

#include "argument_errors.h"
#include "bindings.h"
#include "image_array.h"
#include "measure_arguments.h"
#include "project/image_reading.h"
#include "project/measurement.h"
#include "scalar_arguments.h"

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
  if (!read.Loaded()) RaiseOSError(read.Message(path));
  return ArrayFromImage(std::move(image));
}

// The argument checks leave the pipeline nothing to refuse but a lack of memory,
// which becomes a MemoryError.
void RaiseFailure(const std::optional<Failure>& failure) {
  if (failure) throw std::bad_alloc();
}

py::array Prep(py::handle array, py::handle particleArgument, const py::kwargs& values) {
  const PreprocessSettings settings = PreprocessArgument(values);
  const std::int32_t particle = ParticleArgument(particleArgument);
  const ImageBuffer image = ImageFromArray(array);
  MeasureWorkspace workspace;
  std::optional<Failure> failure;
  {
    py::gil_scoped_release release;
    failure = PreprocessImage(workspace, image, settings, particle);
  }
  RaiseFailure(failure);
  return ArrayFromImage(std::move(workspace.prepared));
}

py::array Outline(py::handle array, py::handle particleArgument, py::handle prep) {
  const std::int32_t particle = ParticleArgument(particleArgument);
  const std::optional<PreprocessSettings> settings = OptionalPreprocessArgument(prep);
  const ImageBuffer image = ImageFromArray(array);
  MeasureWorkspace workspace;
  std::optional<Failure> failure;
  {
    py::gil_scoped_release release;
    failure = PrepareOutlines(workspace, image, particle, settings);
  }
  RaiseFailure(failure);
  return ArrayFromImage(std::move(workspace.engine.outlineImage));
}

}  // namespace

void AddImageFunctions(py::module_& module) {
  module.def("load", &Load, py::arg("path"),
             "The grey image of a BMP or TIFF file as the system loads it: a 2-D uint8 array.\n\n"
             "A file that cannot be read raises OSError with kep-cli's one-line message.");
  const std::string prepDoc =
      "The image after the batch pre-processing: the brightest percentage kept within\n"
      "the brightness window, a two-pixel frame, small particles removed, small holes\n"
      "filled. particle is the particles' grey value, 0 or 255; the keyword values, with\n"
      "their defaults: " +
      PreprocessValuesText() + ".";
  module.def("prep", &Prep, py::arg("image"), py::arg("particle") = 255, prepDoc.c_str());
  module.def("outline", &Outline, py::arg("image"), py::arg("particle") = 255,
             py::arg("prep") = py::none(),
             "The outline image the engine measures: every particle replaced by its outline.\n"
             "prep: None to use the image as given, True for the batch pre-processing with\n"
             "its defaults, or a dict of its values (see prep).");
}

}  // namespace kep::python
