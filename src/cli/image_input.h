#pragma once

#include <string>

#include "image/image_buffer.h"
#include "project/image_reading.h"

namespace kep::cli {

// Loads an image for a command. On failure it has written the reading's one line
// on standard error ("Please Select Bitmap or TIFF" for a wrong extension, else
// "PATH: reason") and returns false; an image without pixels counts as a failure,
// as it does for every command of the system.
bool LoadImageForCommand(const std::string& path, ImageBuffer& image,
                         ImageFileDetails* details = nullptr);

}  // namespace kep::cli
