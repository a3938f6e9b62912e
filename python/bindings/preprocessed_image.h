#pragma once

#include "image/image_buffer.h"
#include "preprocess/preprocess_sequence.h"

namespace kep::python {

// The image after the pre-processing sequence, which uses `image` as its working
// copy. The values are checked before, so the sequence can only fail for lack of
// memory, which throws std::bad_alloc (a MemoryError in Python).
ImageBuffer Preprocessed(ImageBuffer& image, const PreprocessSettings& settings);

}  // namespace kep::python
