#include "preprocessed_image.h"

#include <new>
#include <utility>

namespace kep::python {

ImageBuffer Preprocessed(ImageBuffer&& image, const std::optional<PreprocessSettings>& settings) {
  if (!settings) return std::move(image);
  ImageBuffer prepared;
  if (RunPreprocessSequence(image, prepared, *settings) != PreprocessOutcome::kDone) {
    throw std::bad_alloc();
  }
  return prepared;
}

}  // namespace kep::python
