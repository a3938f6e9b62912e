#pragma once

#include <string>

#include "image/image_buffer.h"
#include "image/image_file.h"

namespace kep::cli {

// Loads an image by the extension rule for a command. On failure it has written
// one line on standard error ("Please Select Bitmap or TIFF" for a wrong
// extension, else "PATH: reason") and returns false; an image without pixels
// counts as a failure, as it does for every command of the system.
bool LoadImageForCommand(const std::string& path, ImageBuffer& image,
                         ImageFileDetails* details = nullptr);

}  // namespace kep::cli
