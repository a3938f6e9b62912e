#pragma once

#include <string>

#include "image/image_buffer.h"
#include "image/image_file.h"

namespace kep {

enum class ImageReadStatus {
  kLoaded,          // the image holds the file's picture
  kNoPixels,        // the reader accepted the file, but its picture is 0 pixels wide or high
  kWrongExtension,  // neither "BMP"/"bmp" nor "TIF"/"tif": nothing was read
  kUnreadable,      // the file could not be opened, or the reader refused it
};

// How reading one image file went.
struct ImageRead {
  ImageReadStatus status = ImageReadStatus::kUnreadable;
  ImageFileDetails details;
  // Why the image is not usable; empty when it was loaded.
  std::string reason;
  // The system's error number (errno) when the system itself refused the file:
  // missing, a directory, no permission; 0 otherwise.
  int systemError = 0;

  bool Loaded() const { return status == ImageReadStatus::kLoaded; }
  // The one line a front end shows for a file that did not load: the system's
  // own "Please Select Bitmap or TIFF" for a wrong extension, else "PATH: reason".
  std::string Message(const std::string& path) const;
};

// Reads an image file by the extension rule, as every front end does.
ImageRead ReadImage(const std::string& path, ImageBuffer& image);

}  // namespace kep
