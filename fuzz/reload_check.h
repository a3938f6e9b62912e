#pragma once

#include <functional>

#include "image/image_buffer.h"

namespace kep::fuzz {

// Loads the same file into a new image and into one that still holds a larger
// picture of other grey levels (the batch run reuses its buffers), and aborts
// unless both loads give the same answer and, on success, the same picture:
// nothing of an earlier image may show through a damaged file.
void CheckLoadIgnoresOldContents(const std::function<int(ImageBuffer&)>& load);

}  // namespace kep::fuzz
