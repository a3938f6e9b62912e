#include "project/image_reading.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kep {

namespace {

// Why the system cannot read the file at all, with its error number where it has
// one; an empty reason when it can, and the reader's own reason then counts.
void SetSystemReason(const std::string& path, ImageRead& read) {
  const auto refused = [&read](int error) {
    read.systemError = error;
    read.reason = std::strerror(error);
  };
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return refused(errno);
  if (S_ISDIR(status.st_mode)) return refused(EISDIR);
  if (!S_ISREG(status.st_mode)) {
    read.reason = "not a regular file";
    return;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return refused(errno);
  std::fclose(file);
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
      SetSystemReason(path, read);
      if (read.reason.empty()) read.reason = read.details.refusal;
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
