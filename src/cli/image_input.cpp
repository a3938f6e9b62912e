#include "cli/image_input.h"

#include <cstdio>

namespace kep::cli {

bool LoadImageForCommand(const std::string& path, ImageBuffer& image, ImageFileDetails* details) {
  const ImageRead read = ReadImage(path, image);
  if (!read.Loaded()) {
    std::fprintf(stderr, "%s\n", read.Message(path).c_str());
    return false;
  }
  if (details != nullptr) *details = read.details;
  return true;
}

}  // namespace kep::cli
