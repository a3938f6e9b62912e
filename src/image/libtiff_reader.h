#pragma once

#include <string>

#include "image/image_buffer.h"
#include "image/image_file_details.h"

namespace kep {

// Reads the first image of a TIFF file through libtiff, whatever its compression
// (as far as this build of libtiff decodes it), strips or tiles, samples stored
// together or in separate planes, bit order and sample size. Grey, red-green-blue
// and palette pictures become grey as ReadSamplesAsGrey says; other colour spaces
// through libtiff's conversion to red, green and blue. Neither the orientation
// nor white-is-zero changes a level. 1 on success; 0 with the reason in
// details.refusal.
int LoadWithLibtiff(const std::string& path, ImageBuffer& image, ImageFileDetails& details);

}  // namespace kep
