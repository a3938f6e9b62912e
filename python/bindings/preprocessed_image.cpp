#include "preprocessed_image.h"

#include <new>

namespace kep::python {

ImageBuffer Preprocessed(ImageBuffer& image, const PreprocessSettings& settings) {
  ImageBuffer prepared;
  if (RunPreprocessSequence(image, prepared, settings) != PreprocessOutcome::kDone) {
    throw std::bad_alloc();
  }
  return prepared;
}

}  // namespace kep::python
