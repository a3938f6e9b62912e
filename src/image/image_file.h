#pragma once

#include <cstdint>
#include <string>

#include "image/image_buffer.h"

namespace kep {

// What every front end says when a file to load has neither extension.
inline constexpr const char* kSelectBitmapOrTiffMessage = "Please Select Bitmap or TIFF";

enum class ImageFileFormat { kNone, kBmp, kTiff };

enum class ImageLoadResult {
  kLoaded,          // the image holds the file's picture (possibly 0 x 0)
  kWrongExtension,  // neither "BMP"/"bmp" nor "TIF"/"tif": nothing was read
  kUnreadable,      // the reader refused the file
};

// What was learnt about a file while loading it.
struct ImageFileDetails {
  ImageFileFormat format = ImageFileFormat::kNone;
  // Bits per pixel as the reader took them: 8 or 24 (for TIFF, the first
  // bits-per-sample value).
  std::int32_t bitsPerPixel = 0;
};

// The text after the last "." of the path, empty without one. The whole path
// counts, so a dot in a directory name with none in the file name yields the
// rest of the path.
std::string PathExtension(const std::string& path);

// The reader that the loading rule picks for a path: exactly "BMP" or "bmp" for
// the bitmap reader, exactly "TIF" or "tif" for the TIFF reader, else kNone.
ImageFileFormat FormatForPath(const std::string& path);

// "BMP" or "TIFF"; empty for kNone.
const char* FormatName(ImageFileFormat format);

// Loads a file with the reader its extension picks.
ImageLoadResult LoadImageFile(const std::string& path, ImageBuffer& image,
                              ImageFileDetails* details = nullptr);

}  // namespace kep
