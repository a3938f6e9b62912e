#pragma once

#include <optional>

#include "image/image_buffer.h"
#include "preprocess/preprocess_sequence.h"

namespace kep::python {

// The image after the pre-processing sequence, or as it is without settings. The
// values are checked before, so the sequence can only fail for lack of memory,
// which throws std::bad_alloc (a MemoryError in Python).
ImageBuffer Preprocessed(ImageBuffer&& image, const std::optional<PreprocessSettings>& settings);

}  // namespace kep::python
