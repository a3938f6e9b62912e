#pragma once

#include <string>

#include "image/image_buffer.h"
#include "image/libtiff_file.h"

namespace kep {

// Reads a picture of another colour space (CMYK, YCbCr, CIE L*a*b*, ...) through
// libtiff's conversion to red, green and blue, and turns each pixel into grey by
// GreyFromRgb. Rows are taken in the order the file stores them, whatever its
// orientation tag says. The reason when libtiff cannot convert or decode it.
std::string ReadThroughRgb(const LibtiffFile& file, ImageBuffer& image);

}  // namespace kep
