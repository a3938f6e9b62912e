#pragma once

#include <cstdint>
#include <string>

#include "image/image_buffer.h"
#include "image/image_file_details.h"

namespace kep {

// What every front end says when a file to load has neither extension.
inline constexpr const char* kSelectBitmapOrTiffMessage = "Please Select Bitmap or TIFF";

enum class ImageLoadResult {
  kLoaded,          // the image holds the file's picture (possibly 0 x 0)
  kWrongExtension,  // neither "BMP"/"bmp" nor "TIF"/"tif": nothing was read
  kUnreadable,      // the reader refused the file
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
// "built-in" or "libtiff"; empty for kNone.
const char* DecoderName(ImageDecoder decoder);
// The name of a file's compression scheme: "none" for an uncompressed bitmap,
// libtiff's name for a TIFF scheme ("None", "LZW", "AdobeDeflate", ...); empty
// when the scheme is unknown.
std::string CompressionName(ImageFileFormat format, std::uint32_t compression);

// Loads a file with the reader its extension picks.
ImageLoadResult LoadImageFile(const std::string& path, ImageBuffer& image,
                              ImageFileDetails* details = nullptr);

}  // namespace kep
