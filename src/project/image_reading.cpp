#include "project/image_reading.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kep {

namespace {

// Why a file that the reader refused could not be read: the system's reason when
// the file cannot be opened at all, else the reader's.
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

std::string ImageRead::Message(const std::string& path) const {
  if (status == ImageReadStatus::kWrongExtension) return reason;
  return path + ": " + reason;
}

ImageRead ReadImage(const std::string& path, ImageBuffer& image) {
  ImageRead read;
  switch (LoadImageFile(path, image, &read.details)) {
    case ImageLoadResult::kWrongExtension:
      read.status = ImageReadStatus::kWrongExtension;
      read.reason = kSelectBitmapOrTiffMessage;
      return read;
    case ImageLoadResult::kUnreadable:
      read.status = ImageReadStatus::kUnreadable;
      read.reason = UnreadableReason(path, read.details.format);
      return read;
    case ImageLoadResult::kLoaded:
      break;
  }
  if (!image.IsLoaded()) {
    read.status = ImageReadStatus::kNoPixels;
    read.reason = "the image has no pixels (" + std::to_string(image.Width()) + " x " +
                  std::to_string(image.Height()) + ")";
    return read;
  }
  read.status = ImageReadStatus::kLoaded;
  return read;
}

}  // namespace kep
