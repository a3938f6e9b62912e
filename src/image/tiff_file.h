#pragma once

#include <string>

#include "image/image_buffer.h"
#include "image/image_file_details.h"

namespace kep {

// Loads a TIFF file: with the built-in reader (TiffReader) wherever it reads the
// file, so that those files load exactly as they always have, and through
// libtiff otherwise. 1 on success; 0 with the reason in details.refusal.
int LoadTiffFile(const std::string& path, ImageBuffer& image, ImageFileDetails& details);

}  // namespace kep
