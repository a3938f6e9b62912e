#include "cli/image_input.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/command_action.h"

namespace kep::cli {
namespace {

// Why a file that the reader refused could not be read.
std::string UnreadableReason(const std::string& path, ImageFileFormat format) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::strerror(errno);
  if (S_ISDIR(status.st_mode)) return std::strerror(EISDIR);
  if (!S_ISREG(status.st_mode)) return "not a regular file";
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    std::fclose(file);
  } else {
    return std::strerror(errno);
  }
  return format == ImageFileFormat::kBmp
             ? "not a readable BMP file (uncompressed, 8 or 24 bits per pixel)"
             : "not a readable TIFF file (uncompressed, 8 or 24 bits per sample)";
}

}  // namespace

bool LoadImageForCommand(const std::string& path, ImageBuffer& image, ImageFileDetails* details) {
  ImageFileDetails found;
  switch (LoadImageFile(path, image, &found)) {
    case ImageLoadResult::kWrongExtension:
      std::fprintf(stderr, "%s\n", kSelectBitmapOrTiffMessage);
      return false;
    case ImageLoadResult::kUnreadable:
      PrintFileError(path, UnreadableReason(path, found.format));
      return false;
    case ImageLoadResult::kLoaded:
      break;
  }
  if (!image.IsLoaded()) {
    PrintFileError(path, "the image has no pixels (" + std::to_string(image.Width()) + " x " +
                             std::to_string(image.Height()) + ")");
    return false;
  }
  if (details != nullptr) *details = found;
  return true;
}

}  // namespace kep::cli
